#!/usr/bin/env bash
# old_worker.sh: a worker held inside a wave-out call past a Stop and the
# next Start must stream nothing for the new exposure when it comes back,
# nor draw from the noise generator: every block of the new exposure's
# worker is the synthesis from the generator as it stood at that Start.
set -euo pipefail
source "$(dirname "$0")/play_common.sh"

report=$(play_captured "$work/capture.raw" 4 780 4000 old-worker)
echo "$report"
failed=0
[ "$(field "$report" old_ended)" = 1 ] || { echo "FAIL: the old worker did not end"; failed=1; }
[ "$(field "$report" old_writes)" = 0 ] || { echo "FAIL: the old worker wrote after its release"; failed=1; }
new=$(field "$report" new_blocks)
[ "$new" -ge 8 ] || { echo "FAIL: the new exposure streamed only $new blocks"; failed=1; }
[ "$(field "$report" new_blocks_synthesis)" = "$new" ] ||
  { echo "FAIL: blocks of the new exposure are not its synthesis"; failed=1; }
exit $failed
