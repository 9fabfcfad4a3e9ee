# Sourced by the sound tests: runs sound-play and reads its report.
# shellcheck disable=SC1091
source "$TESSOVANT_SOURCE_DIR/tests/wine/common.sh"
SOUND_PLAY="$TESSOVANT_WIN_DIR/tests/wine/sound/sound-play.exe"
RENDER_SOUND="$TESSOVANT_HOST_DIR/render-sound"
work=$(mktemp -d "$TESSOVANT_WINE_ENV_DIR/sound.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The value of KEY in a report line "blocks=.. synth_ms=.. stop_ms=..".
field() { sed -n "s/.*\\b$2=\\([0-9.]*\\).*/\\1/p" <<< "$1"; }

# expect REPORT "KEY OP VALUE": [ KEY's value OP VALUE ], or says what failed.
expect() {
  local key op value
  read -r key op value <<< "$2"
  [ "$(field "$1" "$key")" "$op" "$value" ] 2>/dev/null || { echo "FAIL: expected $2: $1"; return 1; }
}

# True when A <= B for decimal numbers; false when either is missing.
at_most() { [ -n "$1" ] && [ -n "$2" ] && awk -v a="$1" -v b="$2" 'BEGIN { exit !(a <= b) }'; }

# How long a stop may take: the next Start waits this long for the worker.
# Whether the stop cut the block queued behind the playing one is read from
# the capture (compare_capture.py --stopped), not from the clock: a loaded
# machine delays Wine's completions by hundreds of milliseconds.
StopLimitMs=1000

# compare_with_synthesis REPORT MODE FREQUENCY MIN_BLOCKS [OPTIONS...]: the
# capture in $work/capture.raw against render-sound's synthesis of the
# report's blocks (compare_capture.py, with its OPTIONS).
compare_with_synthesis() {
  "$RENDER_SOUND" --mode "$2" --frequency "$3" --blocks "$(field "$1" blocks)" --raw \
    --output "$work/reference.raw"
  python3 "$TESSOVANT_SOURCE_DIR/tests/wine/sound/compare_capture.py" "$work/capture.raw" \
    "$work/reference.raw" "$4" "${@:5}"
}

# stopped_in_time REPORT: the worker was gone within StopLimitMs of the stop.
stopped_in_time() {
  at_most "$(field "$1" stop_ms)" "$StopLimitMs" ||
    { echo "FAIL: stop took $(field "$1" stop_ms) ms, limit $StopLimitMs ms"; return 1; }
}

# play_captured FILE MODE FREQUENCY PLAY_MS [STALL_AT_MS]: prints the report line.
play_captured() {
  wine_with_capture "$1" "$SOUND_PLAY" "${@:2}" 2>"$work/wine.log" ||
    { echo "sound-play failed:" >&2; tail -5 "$work/wine.log" >&2; return 1; }
}

# play_steadily MOST_OPENS FILE MODE FREQUENCY PLAY_MS [SCENARIO]:
# play_captured for a test that expects at most MOST_OPENS openings of the
# device (1 for one unbroken stream). Now and then (about one play in
# twenty in a full run here) Wine's device finishes no block for 2 s, which
# the worker rightly takes for a lost device and opens another; such a run
# says nothing of what is tested and is played once more, which must then
# keep to MOST_OPENS.
play_steadily() {
  local most=$1 report
  shift
  report=$(play_captured "$@")
  if [ "$(field "$report" opens)" -gt "$most" ]; then
    echo "note: the device was given up once more than the test expects ($report); played again" >&2
    report=$(play_captured "$@")
  fi
  echo "$report"
}
