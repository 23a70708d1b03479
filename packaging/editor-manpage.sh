#!/usr/bin/env bash
# Writes the manual page of the editor from its own help, so that the page
# cannot drift from the program: the synopsis from the usage line, the
# options from the items under it, the description from the paragraphs after it, and a section for
# each heading line ("Files:") with the items under it. LANGUAGE (en or ja)
# is the language the editor is run in and the page is written in.
#
#   editor-manpage.sh EDITOR OUT VERSION SUMMARY LANGUAGE
set -euo pipefail
editor=$1
out=$2
version=$3
summary=$4
language=$5
program=quindaro2
export LC_ALL=C.UTF-8 ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} QUINDARO2_LANG=$language QT_QPA_PLATFORM=offscreen
# shellcheck source=manpage-roff.sh
source "$(dirname "${BASH_SOURCE[0]}")/manpage-roff.sh"

case $language in
  ja) headings=("名前" "書式" "説明" "オプション" "ユーザーコマンド" "関連項目") ;;
  en) headings=(NAME SYNOPSIS DESCRIPTION OPTIONS "User Commands" "SEE ALSO") ;;
  *) echo "no manual page headings for the language '$language'" >&2; exit 1 ;;
esac

help=$("$editor" --help) || { echo "'$editor --help' failed" >&2; exit 1; }
# The first paragraph: the usage line, then the options.
usage=$(head -n 1 <<<"$help")
options=$(sed -n '2,/^$/p' <<<"$help")
rest=$(sed '1,/^$/d' <<<"$help")
# A line of its own ending in a colon heads a section.
heading='^[^ ].*[:：]$'
description=$(sed "/$heading/,\$d" <<<"$rest")
[ -n "$description" ] || { echo "'$editor --help' describes nothing after its usage" >&2; exit 1; }

if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  date=$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%d)
else
  date=$(date -u +%Y-%m-%d)
fi

{
  echo ".\\\" Written by editor-manpage.sh from the help of $program $version; edit the program, not this page."
  echo ".TH $(roff "${program^^}") 1 $date \"quindaro2 $version\" \"${headings[4]}\""
  echo ".ad l"
  echo ".nh"
  echo ".SH ${headings[0]}"
  echo "$(roff "$program") \\- $(roff "$summary")"
  echo ".SH ${headings[1]}"
  synopsis "$usage"
  echo ".SH ${headings[2]}"
  body "$(printf '\n%s' "$description")"
  echo ".SH ${headings[3]}"
  body "$(printf '\n%s' "$options")"
  section=""
  title=""
  while IFS= read -r line; do
    if [[ $line =~ $heading ]]; then
      [ -n "$section" ] && body "$(printf '\n%s' "$section")"
      title=${line%[:：]}
      echo ".SH ${title^^}"
      section=""
    elif [ -n "$title" ]; then
      section+=$line$'\n'
    fi
  done < <(sed -n "/$heading/,\$p" <<<"$rest")
  [ -n "$section" ] && body "$(printf '\n%s' "$section")"
  echo ".SH ${headings[5]}"
  echo ".BR quindaro2\\-cli (1)"
} >"$out.tmp"
mv "$out.tmp" "$out"
