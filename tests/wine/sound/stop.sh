#!/usr/bin/env bash
# The worker's stop with a working device, at several points of a block: from
# running falling to the device closed and the thread ended, within one block
# plus one block's synthesis. A worker that finds its exposure already
# stopped synthesises nothing and ends.
set -euo pipefail
source "$(dirname "$0")/play_common.sh"

failed=0
# Play times a fraction of a block apart, so the stop falls early, midway and
# late in a block. They start after the device has opened (about a second) and
# played its first block, whose completion Wine reports later by its own latency.
for play in 3000 3060 3120 3180 3240; do
  report=$(play_captured "$work/capture.raw" 4 4000 "$play")
  synth=$(field "$report" synth_ms) stop=$(field "$report" stop_ms)
  limit=$(stop_limit_ms "$synth")
  echo "play_ms=$play $report limit_ms=$limit"
  at_most "$stop" "$limit" || { echo "FAIL: stop took longer than $limit ms"; failed=1; }
done

# Stopped at once: no block is synthesised, no device opened.
report=$(play_captured "$work/capture.raw" 1 780 0)
echo "play_ms=0 $report"
[ "$(field "$report" blocks)" = 0 ] || { echo "FAIL: expected no block"; failed=1; }
exit $failed
