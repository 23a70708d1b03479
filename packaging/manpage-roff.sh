# What the manual page writers share: help texts turned into roff. Sourced,
# not run; the caller sets $program, the name a usage line starts with, and
# $language, the help's language.
#
# The help texts are wrapped by hand. Japanese lines roff must not join with
# spaces nor spread out: in Japanese every help line stays a line,
# left-aligned; English lines are filled to the reader's width.

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
# items (.TP), "  -h, --help" one item of two options, deeper-indented lines continue the item, lines indented by four
# after a paragraph are an example kept as it is (.EX), other lines are
# paragraphs; each source line is kept as a line. A WORD may be a key path
# such as "scores[].edition" or a variable such as "QUINDARO2_LANG"; a file's
# path alone on its line heads the item its next lines describe. A
# placeholder in capitals may fill the option's column up to one blank before
# the text.
body() {
  local line state=start tag
  local item='^  ((-[^ ]+)( [^ ]+)?|[a-z][]a-zA-Z0-9.[-]*|[A-Z][A-Z0-9_]+)  +(.*)$'
  local path='^  ([~/][^ ]*)$'
  local placeholder='^  ((-[^ ]+)( [A-Z][A-Z0-9]*)) (.*)$'
  local bare='^  ((-[^ ]+)( [^ ]+)?)$'
  while IFS= read -r line; do
    if [ "$state" = start ]; then
      [ -z "$line" ] && state=between
      continue
    fi
    if [ "$state" = example ] && [[ $line != "    "* ]]; then
      echo ".EE"
      state=between
    fi
    if [ -z "$line" ]; then
      state=between
    elif [[ $line == "    "* && $state != item && $state != tag ]]; then
      [ "$state" = example ] || echo ".EX"
      roff "$line"
      state=example
    elif [[ $line =~ $item || $line =~ $placeholder || $line =~ $bare || $line =~ $path ]]; then
      tag=${BASH_REMATCH[1]}
      echo ".TP"
      if [[ $tag == -*,\ -* ]]; then
        echo "\\fB$(roff "$tag")\\fR"
      elif [[ $tag == -* ]]; then
        echo "\\fB$(roff "${BASH_REMATCH[2]}")\\fR${BASH_REMATCH[3]:+ \\fI$(roff "${BASH_REMATCH[3]# }")\\fR}"
      else
        echo "\\fB$(roff "$tag")\\fR"
      fi
      if [ -n "${BASH_REMATCH[4]:-}" ]; then
        roff "${BASH_REMATCH[4]}"
        state=item
      else
        state=tag
      fi
    elif [[ $state == item || $state == tag ]] && [[ $line == "   "* ]]; then
      [[ $state == tag || $language == en ]] || echo ".br"
      roff "${line#"${line%%[! ]*}"}"
      state=item
    else
      if [ "$state" = text ]; then
        [ "$language" = en ] || echo ".br"
      else
        echo ".PP"
      fi
      roff "${line#"${line%%[! ]*}"}"
      state=text
    fi
  done <<<"$1"
  if [ "$state" = example ]; then
    echo ".EE"
  fi
}
