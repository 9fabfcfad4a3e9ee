#!/usr/bin/env bash
# old_worker.sh: a worker held inside a wave-out call past a Stop and the next
# Start must, when it comes back, neither stream for the new exposure nor draw
# from the noise generator: the new worker's blocks are all its synthesis.
set -euo pipefail
source "$(dirname "$0")/play_common.sh"

report=$(play_captured "$work/capture.raw" 4 780 4000 old-worker)
echo "$report"
failed=0
for check in "old_ended = 1" "old_writes = 0" "new_blocks -ge 8" \
             "new_blocks_synthesis = $(field "$report" new_blocks)"; do
  expect "$report" "$check" || failed=1
done
exit $failed
