#!/usr/bin/env bash
# capture.sh MODE FREQUENCY: the real audio worker plays at least 20 blocks into
# a bit-exact capture, which must equal the host synthesis of the same blocks;
# then the stop must cut the block queued behind the playing one and end the
# worker within the next Start's wait.
set -euo pipefail
mode=$1 frequency=$2
source "$(dirname "$0")/play_common.sh"

# Opening the device takes about a second under Wine, and was seen to take
# nearly three; 10 s leave 20 full blocks even after four.
report=$(play_steadily 1 "$work/capture.raw" "$mode" "$frequency" 10000)
echo "mode=$mode frequency=$frequency $report"

# A fresh process: the worker's generator started at seed 1, like render-sound's.
silent=()
[ "$mode" = 0 ] && silent=(--silent)
compare_with_synthesis "$report" "$mode" "$frequency" 20 --stopped "${silent[@]}"
stopped_in_time "$report"
echo "stop within $StopLimitMs ms"
