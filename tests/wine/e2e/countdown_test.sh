#!/usr/bin/env bash
# One-minute exposures (about two minutes of real time in all):
#  - exposure A is stopped by hand right at the end of its countdown and a
#    new exposure B started at once: a late tick of A must not end B;
#  - B was started with "10001" in the duration field after A with pasted
#    letters, so both keep the last valid duration, one minute: B ends at
#    its 61st countdown tick, not at its 60th, and leaves the window up
#    with the cursor hidden until Space.
source "$(dirname "$0")/e2e.sh"

stop_hex=$(cp1251_hex 'Стоп')
start_hex=$(cp1251_hex 'Запуск')
sleep_until() { local left=$(( $1 - $(now_ms) )); [ "$left" -le 0 ] || sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"; }

start_program

# A start with "1" makes one minute the last valid duration.
driver set-duration 1 >/dev/null
driver click start >/dev/null
driver click start >/dev/null
driver paste-duration abc >"$E2E_WORK/paste.txt"
check "letters pasted into the duration field" "$(value duration "$E2E_WORK/paste.txt")" abc

driver click start >"$E2E_WORK/a.txt"
a_start=$(value t "$E2E_WORK/a.txt")
check "exposure A runs" "$(value start.hex "$E2E_WORK/a.txt")" "$stop_hex"
driver set-duration 10001 >"$E2E_WORK/set.txt"
check "10001 in the duration field" "$(value duration "$E2E_WORK/set.txt")" 10001

sleep_until $((a_start + 59000))
driver stop-at-end $((a_start + 60970)) >"$E2E_WORK/end.txt"
echo "A's end met as: $(value order "$E2E_WORK/end.txt")"
b_start=$(value restarted.t "$E2E_WORK/end.txt")
check "exposure B runs after the stop at A's end" "$(value start.hex "$E2E_WORK/end.txt")" "$stop_hex"

sleep_until $((a_start + 63500))
read_state
check_state "B still runs after A's last tick was due" start.hex "$stop_hex"
check_state "B's window is up" stimulation.visible 1

# The watch begins well before B's end: a driver takes up to a second or
# more to start on a loaded machine. An end at 60.5 s or later shows that B
# still ran after 60 s.
sleep_until $((b_start + 58000))
driver watch-caption 8000 >"$E2E_WORK/watch.txt"
check "B still runs when the watch begins" "$(value before.hex "$E2E_WORK/watch.txt")" "$stop_hex"
b_end=$(value changed.t "$E2E_WORK/watch.txt")
check "B's caption turns back to Start" "$(value after.hex "$E2E_WORK/watch.txt")" "$start_hex"
check_between "B ends at its 61st tick (ms after Start)" "$((${b_end:-0} - b_start))" 60500 61900

sleep 0.5
read_state
check_state "the window stays up after the countdown" stimulation.visible 1
check_state "the cursor stays hidden" cursor.showing 0
check_state "the duration text is left alone" duration 10001
press space
read_state_until stimulation.visible 0
check_state "Space puts the window away" stimulation.visible 0
check_state "Space brings the cursor back" cursor.showing 1
check_state "Space gives the panel the focus" focus panel
check_state "caption after Space" start.hex "$start_hex"

finish
