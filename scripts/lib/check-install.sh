#!/usr/bin/env bash
# Checks what users get: an install of the release build into a scratch
# prefix and the Debian package made from it. Run by scripts/test after the
# builds.
#   - every file of the installation is there, in both;
#   - the desktop entry and the metainfo validate and name each other, the
#     icon and the executables that are installed;
#   - the bitmaps have their sizes, the English and the Japanese manual pages
#     of both programs render, the tool's name every command, the completion
#     follows the tool's help in both languages;
#   - the installed quindaro2-cli runs;
#   - the package has its file name and the run-time dependencies, its
#     changelog holds every release the metainfo lists, and lintian
#     --pedantic finds no tag in it, not even an informational one, that
#     packaging/quindaro2.lintian-overrides does not explain.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

build=$(quindaro2_build_dir release)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
metainfo=$(cd "$QUINDARO2_ROOT/packaging" && echo *.metainfo.xml)
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
expected=(
  bin/quindaro2
  bin/quindaro2-cli
  "$libdir/quindaro2/plugins/libquindaro2_teams_chart.so"
  share/applications/quindaro2.desktop
  share/doc/quindaro2/README.md
  share/icons/hicolor/scalable/apps/quindaro2.svg
  share/icons/hicolor/48x48/apps/quindaro2.png
  share/icons/hicolor/256x256/apps/quindaro2.png
  "share/metainfo/$metainfo"
  share/man/man1/quindaro2.1.gz
  share/man/ja/man1/quindaro2.1.gz
  share/man/man1/quindaro2-cli.1.gz
  share/man/ja/man1/quindaro2-cli.1.gz
  share/bash-completion/completions/quindaro2-cli
  share/doc/quindaro2/copyright
  share/doc/quindaro2/changelog.Debian.gz
  share/lintian/overrides/quindaro2
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "check-install: $*" >&2
  failures=$((failures + 1))
}

# 1. The installation.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "the installation lacks $file"
done
for file in bin/quindaro2 bin/quindaro2-cli; do
  [ -x "$prefix/$file" ] || fail "$file is not executable"
done
if [ "$failures" -ne 0 ]; then
  exit 1
fi

desktop=$prefix/share/applications/quindaro2.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$metainfo" >/dev/null ||
  fail "appstreamcli refused $metainfo: $(appstreamcli validate --no-net "$prefix/share/metainfo/$metainfo")"

exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$exec_program" ] || fail "the desktop entry starts '$exec_program', which is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for file in scalable/apps/$icon.svg 48x48/apps/$icon.png 256x256/apps/$icon.png; do
  [ -f "$prefix/share/icons/hicolor/$file" ] || fail "the desktop entry's icon '$icon' has no $file"
done
launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$prefix/share/metainfo/$metainfo")
[ -f "$prefix/share/applications/$launchable" ] || fail "the metainfo launches '$launchable', which is not installed"
[ "$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$prefix/share/metainfo/$metainfo").metainfo.xml" = "$metainfo" ] ||
  fail "the metainfo's file name is not its id"
for binary in $(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$prefix/share/metainfo/$metainfo"); do
  [ -x "$prefix/bin/$binary" ] || fail "the metainfo provides '$binary', which is not installed"
done
newest=$(grep -o '<release version="[^"]*"' "$prefix/share/metainfo/$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the newest release in the metainfo is '$newest', the project is $version"

for size in 48 256; do
  # The width and height of a PNG are the two big-endian words after the IHDR tag.
  read -r -a ihdr < <(od -An -tu1 -j12 -N12 "$prefix/share/icons/hicolor/${size}x$size/apps/quindaro2.png")
  tag=$(printf '%b' "$(printf '\\%03o' "${ihdr[@]:0:4}")")
  width=$(((ihdr[4] << 24) + (ihdr[5] << 16) + (ihdr[6] << 8) + ihdr[7]))
  height=$(((ihdr[8] << 24) + (ihdr[9] << 16) + (ihdr[10] << 8) + ihdr[11]))
  [ "$tag" = IHDR ] && [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
    fail "the ${size}x$size icon is not a ${size}x$size PNG (${width}x$height)"
done

cli=$prefix/bin/quindaro2-cli
usage=$("$cli" --help) || fail "the installed quindaro2-cli --help failed"
# Each page in its language: the name section under its heading in that language.
for page in "man1:NAME" "ja/man1:名前"; do
  for program in quindaro2 quindaro2-cli; do
    manpage=$prefix/share/man/${page%%:*}/$program.1.gz
    zcat "$manpage" | grep -qx "\\.SH ${page#*:}" || fail "$manpage has no section '${page#*:}'"
    # Japanese lines have no place to break; every other roff warning counts.
    warnings=$(zcat "$manpage" | LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -Wbreak -z 2>&1)
    [ -z "$warnings" ] || fail "$manpage does not render cleanly: $warnings"
  done
  # The editor's page has a section for each heading of its help ("Files:").
  language=en
  [ "${page%%:*}" = man1 ] || language=ja
  manpage=$prefix/share/man/${page%%:*}/quindaro2.1.gz
  while IFS= read -r heading; do
    zcat "$manpage" | grep -qxF ".SH ${heading^^}" || fail "$manpage has no section '${heading^^}'"
  done < <(QUINDARO2_LANG=$language QT_QPA_PLATFORM=offscreen "$prefix/bin/quindaro2" --help 2>/dev/null |
    sed -n 's/^\([^ ].*\)\(:\|：\)$/\1/p')
  manpage=$prefix/share/man/${page%%:*}/quindaro2-cli.1.gz
  for command in $(sed -n 's/^  \([a-z][a-z0-9-]*\)  .*/\1/p' <<<"$usage"); do
    zcat "$manpage" | grep -qx "\\.SS $command" || fail "$manpage has no section for '$command'"
  done
done
for language in en ja; do
  QUINDARO2_LANG=$language bash "$QUINDARO2_ROOT/packaging/check-completion.sh" "$cli" \
    "$prefix/share/bash-completion/completions/quindaro2-cli" >/dev/null ||
    fail "the installed completion does not follow the $language help"
done

# 2. The Debian package.
arch=$(dpkg --print-architecture)
"$QUINDARO2_ROOT/scripts/package" "$work/package" >/dev/null
revision=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_RELEASE "\(.*\)")$/\1/p' "$(quindaro2_build_dir package)/CPackConfig.cmake")
deb=$work/package/quindaro2_${version}-${revision}_$arch.deb
if [ -f "$deb" ]; then
  contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
  for file in "${expected[@]}"; do
    grep -qx "\./usr/$file" <<<"$contents" || fail "the package lacks /usr/$file"
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 qt6-qpa-plugins fonts-ipafont-gothic qt6-translations-l10n; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "the package does not depend on $package: $depends"
  done
  dpkg-deb -x "$deb" "$work/unpacked"
  changelog=$work/unpacked/usr/share/doc/quindaro2/changelog.Debian.gz
  [ "$(dpkg-parsechangelog -l "$changelog" -S Version 2>&1)" = "$version-$revision" ] ||
    fail "the package's changelog does not start with $version-$revision: $(dpkg-parsechangelog -l "$changelog" 2>&1 | head -n 3)"
  releases=$(dpkg-parsechangelog -l "$changelog" --format rfc822 --all | sed -n 's/^Version: //p' | tr '\n' ' ')
  metainfo_releases=$(grep -o '<release version="[^"]*"' "$QUINDARO2_ROOT/packaging/$metainfo" |
    sed "s/.*\"\(.*\)\"/\1-$revision/" | tr '\n' ' ')
  [ "$releases" = "$metainfo_releases" ] ||
    fail "the package's changelog lists '$releases', the metainfo '$metainfo_releases'"
  # Every tag down to the pedantic ones fails unless an override gives its reason.
  lintian --display-info --pedantic --fail-on error,warning,info,pedantic "$deb" >&2 ||
    fail "lintian finds tags in $(basename "$deb")"
else
  fail "no package $(basename "$deb"); made: $(ls "$work/package")"
fi

if [ "$failures" -ne 0 ]; then
  echo "check-install: $failures problem(s)" >&2
  exit 1
fi
echo "check-install: the installation and $(basename "$deb") hold every file and pass their checks"
