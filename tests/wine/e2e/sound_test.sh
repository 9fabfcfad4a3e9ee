#!/usr/bin/env bash
# The sound of an exposure, captured exactly as Wine wrote it: peak
# modulation chosen in the list, at the frequency set on the panel, then a
# new frequency set during the exposure. The captured blocks must be the
# synthesis at the first frequency and then, from a block boundary on, at
# the second.
source "$(dirname "$0")/e2e.sh"

capture=$E2E_WORK/capture.raw
render=$(find "$TESSOVANT_HOST_DIR" -name render-sound -type f -perm -u+x | head -1)
[ -n "$render" ] || { echo "FAIL: render-sound is not built in $TESSOVANT_HOST_DIR"; exit 1; }

start_program "$capture"
driver set-frequency 1234 >"$E2E_WORK/set.txt"
check "read-out at 12.34 Hz" "$(value readout "$E2E_WORK/set.txt")" "12,34"
driver select sound 2 >/dev/null
driver select visual 0 >/dev/null
driver click start >/dev/null
# Wine opens its first sound device of a process slowly: wait until the
# first block has been written before counting time.
for _ in $(seq 100); do
  [ "$(stat -c %s "$capture" 2>/dev/null || echo 0)" -ge 44100 ] && break
  sleep 0.05
done
sleep 1.1
driver set-frequency 1334 >"$E2E_WORK/set.txt"
check "read-out at 13.34 Hz" "$(value readout "$E2E_WORK/set.txt")" "13,34"
sleep 1.5
driver click start >/dev/null
sleep 0.7
stop_program
check "exit code" $? 0

# About 3 s of exposure: at least 10 whole blocks, 3 or more at each frequency.
python3 "$(dirname "$0")/compare_sound.py" --capture "$capture" --render "$render" \
  --mode 2 --frequency 1234,1334 --min-blocks 10 >"$E2E_WORK/compare.txt" 2>&1
status=$?
cat "$E2E_WORK/compare.txt"
check "captured sound is the synthesis at the frequencies set" "$status" 0
labels=$(grep '^blocks by frequency:' "$E2E_WORK/compare.txt" | cut -d: -f2)
check_between "blocks at 12.34 Hz" "$(echo "$labels" | grep -o 1234 | wc -l)" 3 10
check_between "blocks at 13.34 Hz" "$(echo "$labels" | grep -o 1334 | wc -l)" 3 10

finish
