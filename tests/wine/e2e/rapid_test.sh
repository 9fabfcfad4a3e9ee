#!/usr/bin/env bash
# Start, Stop and Start within a quarter of a second, once and five times in
# a row: the program keeps answering, the last Start's exposure runs, Space
# ends it, and the sound of that exposure is one clean stream from its
# first block on (two audio workers at once would garble it). The capture
# holds the last exposure only: every opening of the device starts it anew.
source "$(dirname "$0")/e2e.sh"

stop_hex=$(cp1251_hex 'Стоп')
start_hex=$(cp1251_hex 'Запуск')
capture=$E2E_WORK/capture.raw

start_program "$capture"
for cycles in 1 5; do
  rm -f "$capture"
  driver burst "$cycles" >"$E2E_WORK/burst.txt"
  check "$cycles x Start, Stop, Start: all handled" "$(value handled "$E2E_WORK/burst.txt")" 1
  check_between "$cycles x Start, Stop, Start: posted within (ms)" "$(value posted.elapsed "$E2E_WORK/burst.txt")" 0 250
  check_between "$cycles x Start, Stop, Start: handled within (ms)" "$(value handled.elapsed "$E2E_WORK/burst.txt")" 0 $((cycles * 1500))
  check "$cycles x Start, Stop, Start: the last Start runs" "$(value start.hex "$E2E_WORK/burst.txt")" "$stop_hex"
  driver wait-stimulation shown 10000 >/dev/null
  wait_for_blocks "$capture" 9 30
  driver ping 2000 >"$E2E_WORK/ping.txt"
  check "$cycles x: still answering during the exposure" "$(value answered "$E2E_WORK/ping.txt")" 1
  press space
  read_state_until start.hex "$start_hex"
  check_state "$cycles x: Space ends it" start.hex "$start_hex"
  check_state "$cycles x: window put away" stimulation.visible 0
  sleep 0.5
  # The last Start's exposure: brain waves at 7.80 Hz from its block 0 on.
  check_sound "$cycles x: the last exposure's sound is the synthesis" "$capture" 1 780 8
done
stop_program
check "exit code" $? 0

finish
