#!/usr/bin/env bash
# The sound of an exposure, captured exactly as Wine wrote it: peak
# modulation chosen in the list, at the frequency set on the panel, then a
# new frequency set during the exposure. The captured blocks must be the
# synthesis at the first frequency and then, from a block boundary on, at
# the second.
source "$(dirname "$0")/e2e.sh"

capture=$E2E_WORK/capture.raw

start_program "$capture"
driver set-frequency 1234 >"$E2E_WORK/set.txt"
check "read-out at 12.34 Hz" "$(value readout "$E2E_WORK/set.txt")" "12,34"
driver select sound 2 >/dev/null
driver select visual 0 >/dev/null
driver click start >/dev/null
# Wine opens its first sound device of a process slowly: time is counted
# in blocks written, not in seconds.
wait_for_blocks "$capture" 5 20
driver set-frequency 1334 >"$E2E_WORK/set.txt"
check "read-out at 13.34 Hz" "$(value readout "$E2E_WORK/set.txt")" "13,34"
wait_for_blocks "$capture" $(($(blocks_in "$capture") + 6)) 20
driver click start >/dev/null
sleep 0.7
stop_program
check "exit code" $? 0

# At least 5 blocks before the change and 6 after it, of which the two
# queued at the change may still be at the first frequency.
check_sound "captured sound is the synthesis at the frequencies set" "$capture" 2 1234,1334 10
labels=$(grep '^blocks by frequency:' "$E2E_WORK/compare.txt" | cut -d: -f2)
check_between "blocks at 12.34 Hz" "$(echo "$labels" | grep -o 1234 | wc -l)" 5 1000
check_between "blocks at 13.34 Hz" "$(echo "$labels" | grep -o 1334 | wc -l)" 3 1000

finish
