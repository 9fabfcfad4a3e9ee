#!/usr/bin/env bash
# Closing the panel during an exposure with a countdown ends the process
# with exit code 0, as its own code and as the shell sees it.
source "$(dirname "$0")/e2e.sh"

start_program
driver set-duration 5 >/dev/null
driver click start >/dev/null
driver wait-stimulation shown 10000 >/dev/null
sleep 1.5
driver close-wait 10000 >"$E2E_WORK/close.txt"
check "process ended after the close" "$(value ended "$E2E_WORK/close.txt")" 1
check "its exit code" "$(value exit "$E2E_WORK/close.txt")" 0
wait "$E2E_PROGRAM_PID"
check "exit status seen by the shell" $? 0
E2E_PROGRAM_PID=""

finish
