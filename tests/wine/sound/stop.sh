#!/usr/bin/env bash
# The worker's stop with a working device, at several points of a block: the
# playing block sounds to its end (the capture is the synthesis), the block
# queued behind it is cut, and the device is closed and the thread ended
# within the next Start's wait. A worker that finds its exposure already
# stopped synthesises nothing and ends.
set -euo pipefail
source "$(dirname "$0")/play_common.sh"

failed=0
# Play times a fraction of a block apart, so the stop falls early, midway and
# late in a block. They start after the device has opened (about a second) and
# played its first block, whose completion Wine reports later by its own latency.
for play in 3000 3060 3120 3180 3240; do
  report=$(play_steadily 1 "$work/capture.raw" 4 4000 "$play")
  echo "play_ms=$play $report"
  compare_with_synthesis "$report" 4 4000 1 --stopped || failed=1
  stopped_in_time "$report" || failed=1
done

# Stopped at once: no block is synthesised, no device opened.
report=$(play_steadily 1 "$work/capture.raw" 1 780 0)
echo "play_ms=0 $report"
[ "$(field "$report" blocks)" = 0 ] || { echo "FAIL: expected no block"; failed=1; }
exit $failed
