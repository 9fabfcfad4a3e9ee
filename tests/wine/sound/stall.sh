#!/usr/bin/env bash
# stall.sh: the real audio worker is held up long enough for both queued blocks
# to finish, so that their two completions reach it as one. Both blocks must be
# queued again within a second of its return, and the capture must still be
# the synthesis, with the gap of the stall itself as its only break.
set -euo pipefail
source "$(dirname "$0")/play_common.sh"

# The stall comes after 1.5 s of streaming; 9 s in all leave some 12 blocks
# around it even when the device takes 4 s to open on a loaded machine.
report=$(play_steadily 1 "$work/capture.raw" 1 780 9000 1500)
echo "$report"
requeued=$(field "$report" requeued_ms)
stalled=$(field "$report" stalled_ms)
[ -n "$stalled" ] || { echo "FAIL: the worker never had both blocks queued to be stalled"; exit 1; }
[ -n "$requeued" ] && at_most "$requeued" 1000 ||
  { echo "FAIL: both blocks were not queued again within 1000 ms of the stall"; exit 1; }

# The device cannot have gone without sound for longer than the worker was held.
compare_with_synthesis "$report" 1 780 12 --gap "$(awk -v ms="$stalled" 'BEGIN { print int(ms * 44.1) }')"
