#!/usr/bin/env bash
# late.sh: catches a worker that gives up a device that plays on because its
# notifications come late (a busy machine held them back for 3 s, longer than
# the 2 s after which a silent device is given up). A session's worker reads
# the device's position, which goes on moving: the device must be kept (one
# opening), its blocks refilled as they finish, and the capture must be the
# session's sound from its first frame, whole, with no run of silence.
set -euo pipefail
source "$(dirname "$0")/play_common.sh"

report=$(play_captured "$work/capture.raw" 1 800 9000 late)
echo "$report"
failed=0
expect "$report" "held -gt 0" || { echo "FAIL: no notification was held back"; failed=1; }
expect "$report" "opens = 1" || { echo "FAIL: the device was given up"; failed=1; }
printf '60s 1 8.00\n' >"$work/late.txt"
"$RENDER_SOUND" --session "$work/late.txt" --raw --output "$work/reference.raw"
python3 "$TESSOVANT_SOURCE_DIR/tests/wine/sound/compare_capture.py" "$work/capture.raw" \
  "$work/reference.raw" 24 || failed=1
[ "$failed" = 0 ] && echo "late: the device was kept and the capture is whole"
exit "$failed"
