#!/usr/bin/env bash
# No audio server at all: the device cannot be opened, the worker plays
# nothing and still ends within 0.5 s after running falls.
set -euo pipefail
source "$(dirname "$0")/play_common.sh"

failed=0
for mode in 1 3; do
  report=$(wine_without_audio "$SOUND_PLAY" "$mode" 780 1000 2>"$work/wine.log")
  echo "mode=$mode $report"
  [ "$(field "$report" blocks)" = 0 ] || { echo "FAIL: blocks synthesised without a device"; failed=1; }
  at_most "$(field "$report" stop_ms)" 500 || { echo "FAIL: stop took longer than 500 ms"; failed=1; }
done
exit $failed
