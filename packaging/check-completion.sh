#!/usr/bin/env bash
# Checks the bash completion against the tool's own help, so that a command,
# an option or a value added to the tool cannot be forgotten in the completion:
#   - every command the usage lists is offered as the first word;
#   - every sub-command a command's help lists is offered after it;
#   - every --option a command's help names is offered after "COMMAND --";
#   - an option shown as "--opt a|b|c" offers exactly a, b and c;
#   - the --edition values offered are exactly the years the tool accepts,
#     and "auto" where the command's help offers it.
# The help is read in the language QUINDARO2_LANG chooses; the words it is
# checked by (commands, options, values) are the same in every language.
#
#   [QUINDARO2_LANG=en|ja] check-completion.sh CLI COMPLETION
set -uo pipefail
cli=$1
completion=$2
export LC_ALL=C.UTF-8 ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}

# shellcheck source=quindaro2-cli.bash-completion
source "$completion" || exit 1
function=$(complete -p quindaro2-cli 2>/dev/null | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
[ -n "$function" ] || { echo "$completion does not register a completion for quindaro2-cli" >&2; exit 1; }

failures=0
fail() {
  echo "completion: $*" >&2
  failures=$((failures + 1))
}

# offered WORD...: what the completion offers for the command line WORD...,
# the last word being the one under the cursor; one reply a line.
offered() {
  COMP_WORDS=(quindaro2-cli "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function" quindaro2-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}"
}

# The words of the "  word   description" items of a help text.
items() {
  sed -n 's/^  \([a-z][a-z0-9-]*\)  .*/\1/p'
}

usage=$("$cli" --help) || { echo "$cli --help failed" >&2; exit 1; }
mapfile -t commands < <(items <<<"$usage")
[ ${#commands[@]} -gt 0 ] || { echo "no commands found in the usage of $cli" >&2; exit 1; }

first=$(offered "")
options_seen=0
for command in "${commands[@]}"; do
  grep -qxF -- "$command" <<<"$first" || fail "the command '$command' is not offered"

  help=$("$cli" "$command" --help) || { fail "'$command --help' failed"; continue; }
  after=$(offered "$command" "")
  while read -r sub; do
    [ -n "$sub" ] || continue
    grep -qxF -- "$sub" <<<"$after" || fail "'$command $sub' is not offered"
  done < <(items <<<"$help")

  options=$(offered "$command" --)
  while read -r option; do
    [ -n "$option" ] || continue
    options_seen=$((options_seen + 1))
    grep -qxF -- "$option" <<<"$options" || fail "'$command $option' is not offered"
  done < <(grep -o -- '--[a-z][a-z0-9-]*' <<<"$help" | sort -u)

  while read -r option choices; do
    [ -n "$option" ] || continue
    want=$(tr '|' '\n' <<<"$choices" | sort)
    got=$(offered "$command" "$option" "" | sort)
    [ "$want" = "$got" ] || fail "'$command $option' offers '$(echo $got)' instead of '$(echo $want)'"
  done < <(grep -o -- '--[a-z][a-z0-9-]* [a-z][a-z0-9]*\(|[a-z][a-z0-9]*\)\+' <<<"$help" | sort -u)
done
[ "$options_seen" -gt 0 ] || fail "no options found in any command's help"

# The years: every number of the two forms the tool might accept, tried
# with the demo command, against the numbers the completion offers.
if printf '%s\n' "${commands[@]}" | grep -qx demo; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  accepted=$(for year in $(seq 80 99) $(seq 1980 1999); do
    "$cli" demo --edition "$year" "$work/$year.nes" >/dev/null 2>&1 && echo "$year"
  done)
  [ -n "$accepted" ] || fail "the tool accepted no edition at all"
  years=$(offered demo --edition "" | grep -x '[0-9]*' | sort -n)
  [ "$(echo $accepted)" = "$(echo $years)" ] ||
    fail "--edition offers '$(echo $years)' but the tool accepts '$(echo $accepted)'"
fi

# "auto": offered after --edition exactly by the commands whose help names it
# on the --edition line.
for command in "${commands[@]}"; do
  edition_line=$("$cli" "$command" --help 2>/dev/null | grep -- '^ *--edition') || continue
  if grep -q auto <<<"$edition_line"; then want=yes; else want=no; fi
  if offered "$command" --edition "" | grep -qx auto; then got=yes; else got=no; fi
  [ "$want" = "$got" ] || fail "'$command --edition' offers auto: $got; its help names auto: $want"
done

if [ "$failures" -ne 0 ]; then
  echo "completion: $failures problem(s) in $completion" >&2
  exit 1
fi
echo "completion: ${#commands[@]} commands, $options_seen options and the edition values match the help of $cli"
