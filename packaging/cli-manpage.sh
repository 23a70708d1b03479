#!/usr/bin/env bash
# Writes the manual page of quindaro2-cli from the tool's own help texts, so
# that the page cannot drift from the tool: the commands come from the usage,
# each command's section from "quindaro2-cli COMMAND --help", and a command
# whose help lists sub-commands gets a section for each of them too; the
# keys of --format json and csv come from "quindaro2-cli help formats". LANGUAGE
# (en or ja) is the language the tool is run in and the page is written in.
#
#   cli-manpage.sh CLI OUT VERSION SUMMARY LANGUAGE
#
# The help texts are wrapped by hand and may be Japanese, which roff must not
# join with spaces nor spread out: every help line stays a line, left-aligned.
set -euo pipefail
cli=$1
out=$2
version=$3
summary=$4
language=$5
program=quindaro2-cli
export LC_ALL=C.UTF-8 ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0} QUINDARO2_LANG=$language
# shellcheck source=manpage-roff.sh
source "$(dirname "${BASH_SOURCE[0]}")/manpage-roff.sh"

# The page's own headings, in the language of the help texts.
case $language in
  ja) headings=("名前" "書式" "説明" "コマンド" "ユーザーコマンド" "出力の形式" "関連項目") ;;
  en) headings=(NAME SYNOPSIS DESCRIPTION COMMANDS "User Commands" "OUTPUT FORMATS" "SEE ALSO") ;;
  *) echo "no manual page headings for the language '$language'" >&2; exit 1 ;;
esac

# The words of the items of a help text that are not options.
words() {
  sed -n 's/^  \([a-z][a-z0-9-]*\)  .*/\1/p' <<<"$1"
}

usage=$("$cli" --help)
mapfile -t commands < <(words "$usage")
if [ ${#commands[@]} -eq 0 ]; then
  echo "no commands found in the output of '$cli --help'" >&2
  exit 1
fi

# Each command, then each sub-command a command's help lists: name and help.
names=()
helps=()
for command in "${commands[@]}"; do
  help=$("$cli" "$command" --help) || { echo "'$cli $command --help' failed" >&2; exit 1; }
  names+=("$command")
  helps+=("$help")
  while IFS= read -r sub; do
    [ -n "$sub" ] || continue
    subhelp=$("$cli" "$command" "$sub" --help 2>/dev/null) || continue
    if [ "$subhelp" != "$help" ] && [[ $(head -n 1 <<<"$subhelp") == *"$program $command $sub"* ]]; then
      names+=("$command $sub")
      helps+=("$subhelp")
    fi
  done < <(words "$help")
done

formats=$("$cli" help formats) || { echo "'$cli help formats' failed" >&2; exit 1; }

if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  date=$(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%d)
else
  date=$(date -u +%Y-%m-%d)
fi

{
  echo ".\\\" Written by cli-manpage.sh from the help of $program $version; edit the tool, not this page."
  echo ".TH $(roff "${program^^}") 1 $date \"quindaro2 $version\" \"${headings[4]}\""
  echo ".ad l"
  echo ".nh"
  echo ".SH ${headings[0]}"
  echo "$(roff "$program") \\- $(roff "$summary")"
  echo ".SH ${headings[1]}"
  for help in "${helps[@]}"; do
    synopsis "$help"
  done
  echo ".SH ${headings[2]}"
  body "$usage"
  echo ".SH ${headings[3]}"
  for i in "${!names[@]}"; do
    echo ".SS $(roff "${names[i]}")"
    synopsis "${helps[i]}"
    body "${helps[i]}"
  done
  echo ".SH ${headings[5]}"
  body "$formats"
  echo ".SH ${headings[6]}"
  echo ".BR quindaro2 (1)"
} >"$out.tmp"
mv "$out.tmp" "$out"
