# Shared set-up of scripts/run and scripts/test: make sure the Debian packages
# the build needs are installed, installing the missing ones when we can.
# Sourced, not run.

QUINDARO2_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Packages for building, testing and showing Japanese text, and for the
# icon, the checks of the installed files and the Debian package.
QUINDARO2_PACKAGES=(
  cmake ninja-build g++ pkg-config
  librsvg2-bin desktop-file-utils appstream groff-base dpkg-dev file lintian
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxkbcommon-dev
  qt6-tools-dev qt6-l10n-tools qt6-charts-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic qt6-translations-l10n
)

quindaro2_missing_packages() {
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      echo "$package"
    fi
  done
}

# quindaro2_install PACKAGE...: installs what is missing, or says what to install.
quindaro2_install() {
  local missing
  missing=$(quindaro2_missing_packages "$@")
  [ -z "$missing" ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
      sudo=(sudo)
    else
      echo "These Debian packages are missing; please install them and run again:" >&2
      echo "  sudo apt-get install" $missing >&2
      return 1
    fi
  fi
  echo "Installing:" $missing
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

# quindaro2_build PRESET [TARGET...]: configures (first time only) and builds
# a preset, or only the named targets of it.
quindaro2_build() {
  local preset=$1 dir
  shift
  dir=$(quindaro2_build_dir "$preset")
  cd "$QUINDARO2_ROOT" || return 1
  if [ ! -f "$dir/build.ninja" ]; then
    cmake --preset "$preset" || return 1
  fi
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@"
  else
    cmake --build --preset "$preset"
  fi
}

quindaro2_build_dir() {
  case "$1" in
    release) echo "$QUINDARO2_ROOT/build" ;;
    *) echo "$QUINDARO2_ROOT/build-$1" ;;
  esac
}
