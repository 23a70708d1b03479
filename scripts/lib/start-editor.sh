# The start of the editor by scripts/run. Sourced, not run.

# quindaro2_start_editor CLI EDITOR SAMPLE_FOLDER [ARG...]: starts EDITOR on
# the arguments; without any, on a sample ROM of the 1993 edition, made once
# with CLI in SAMPLE_FOLDER and opened with its edition, so that a new user
# sees a league at once.
quindaro2_start_editor() {
  local cli=$1 editor=$2 samples=$3
  shift 3
  if [ $# -eq 0 ]; then
    local sample="$samples/サンプル1993年版.nes"
    if [ ! -f "$sample" ]; then
      mkdir -p "$samples" && "$cli" demo --edition 93 "$sample" >/dev/null || return 1
    fi
    echo "サンプルROM: $sample"
    set -- "$sample" --edition 93
  fi
  exec "$editor" "$@"
}
