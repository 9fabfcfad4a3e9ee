#!/usr/bin/env bash
# The capture comparison forgives only what a stop does to a capture: the
# driver's silence after the cut of the last, partial block. More silence,
# silence reaching back into a whole block, or a last block heard in full
# after a stop must fail.
#   compare_capture_test.sh RENDER_SOUND
set -euo pipefail
render=${1:?path to render-sound}
compare="$(dirname "$0")/../wine/sound/compare_capture.py"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$render" --mode 1 --frequency 780 --blocks 5 --raw --output "$work/reference.raw"

failed=0
# expected exit, then the capture: whole reference frames kept, zero frames added.
while read -r expected kept zeros what; do
  python3 - "$work/reference.raw" "$work/capture.raw" "$kept" "$zeros" <<'PY'
import sys
frames = open(sys.argv[1], "rb").read()[: 4 * int(sys.argv[3])]
open(sys.argv[2], "wb").write(frames + bytes(4 * int(sys.argv[4])))
PY
  status=0
  python3 "$compare" "$work/capture.raw" "$work/reference.raw" 4 --stopped >/dev/null || status=$?
  [ "$status" = "$expected" ] || { echo "FAIL: $what: exit $status, expected $expected"; failed=1; }
done <<'CASES'
0 44600 441  one period of silence after the cut
0 44100 441  the cut at the start of the last block
1 44600 3000 more silence than the driver writes
1 44000 541  silence back into a whole block
1 55125 0    the last block heard in full
CASES
exit $failed
