#!/usr/bin/env bash
# Writes the manual page of quindaro2-cli from the tool's own help texts, so
# that the page cannot drift from the tool: the commands come from the usage,
# each command's section from "quindaro2-cli COMMAND --help", and a command
# whose help lists sub-commands gets a section for each of them too. LANGUAGE
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

# The page's own headings, in the language of the help texts.
case $language in
  ja) headings=("名前" "書式" "説明" "コマンド" "ユーザーコマンド") ;;
  en) headings=(NAME SYNOPSIS DESCRIPTION COMMANDS "User Commands") ;;
  *) echo "no manual page headings for the language '$language'" >&2; exit 1 ;;
esac

# roff TEXT: TEXT safe as roff input text.
roff() {
  sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^[.']/\\\\\\&&/" <<<"$1"
}

# synopsis_line TEXT: options bold, upper-case placeholders italic.
synopsis_line() {
  roff "$1" | sed \
    -e 's/\(\\-\\-[a-z0-9]*\(\\-[a-z0-9]*\)*\)/\\fB\1\\fR/g' \
    -e 's/\b\([A-Z][A-Z]*\)\b/\\fI\1\\fR/g'
}

# usage_lines HELP: the first paragraph of a help text as one line each
# usage, without the words in front of the program's name. A line that names
# the program, first or after such words, starts a usage; other lines go on
# with the one before.
usage_lines() {
  local line joined=""
  while IFS= read -r line; do
    [ -z "$line" ] && break
    if [[ $line == *"$program "* && ($line != " "* || ${line#"${line%%[! ]*}"} == "$program "*) ]]; then
      [ -n "$joined" ] && echo "$joined"
      joined=${line#*"$program "}
    else
      line=${line#"${line%%[! ]*}"}
      joined+=" $line"
    fi
  done <<<"$1"
  [ -n "$joined" ] && echo "$joined"
}

# synopsis HELP: the usage of a help text as .SY blocks.
synopsis() {
  local line
  while IFS= read -r line; do
    [ -n "$line" ] || continue
    echo ".SY $(roff "$program")"
    synopsis_line "$line"
    echo ".YS"
  done < <(usage_lines "$1")
}

# body HELP: everything after the usage paragraph. Lines "  WORD  text" are
# items (.TP), deeper-indented lines continue the item, other lines are
# paragraphs; each source line is kept as a line. A placeholder in capitals
# may fill the option's column up to one blank before the text.
body() {
  local line state=start tag
  local item='^  ((-[^ ]+)( [^ ]+)?|[a-z][a-z0-9-]*)  +(.*)$'
  local placeholder='^  ((-[^ ]+)( [A-Z][A-Z0-9]*)) (.*)$'
  local bare='^  ((-[^ ]+)( [^ ]+)?)$'
  while IFS= read -r line; do
    if [ "$state" = start ]; then
      [ -z "$line" ] && state=between
      continue
    fi
    if [ -z "$line" ]; then
      state=between
    elif [[ $line =~ $item || $line =~ $placeholder || $line =~ $bare ]]; then
      tag=${BASH_REMATCH[1]}
      echo ".TP"
      if [[ $tag == -* ]]; then
        echo "\\fB$(roff "${BASH_REMATCH[2]}")\\fR${BASH_REMATCH[3]:+ \\fI$(roff "${BASH_REMATCH[3]# }")\\fR}"
      else
        echo "\\fB$(roff "$tag")\\fR"
      fi
      [ -n "${BASH_REMATCH[4]:-}" ] && roff "${BASH_REMATCH[4]}"
      state=item
    elif [ "$state" = item ] && [[ $line == "   "* ]]; then
      echo ".br"
      roff "${line#"${line%%[! ]*}"}"
    else
      if [ "$state" = text ]; then
        echo ".br"
      else
        echo ".PP"
      fi
      roff "${line#"${line%%[! ]*}"}"
      state=text
    fi
  done <<<"$1"
}

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
} >"$out.tmp"
mv "$out.tmp" "$out"
