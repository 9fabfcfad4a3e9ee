#!/usr/bin/env bash
# A sound server that stops answering (frozen, as a driver hangs when a
# headset is pulled out): Stop and Start still answer within 1.5 s and the
# new exposure runs; once the server answers again, a later Start plays the
# exposure's sound from its first block.
source "$(dirname "$0")/e2e.sh"

# The harness's own sound server, and nobody else's.
pulse_pid=$(awk '$2 == "pulseaudio" { print $1 }' "$TESSOVANT_WINE_ENV_DIR/pids")
[ -n "$pulse_pid" ] || { echo "FAIL: the harness recorded no sound server"; exit 1; }
thaw() { kill -CONT "$pulse_pid" 2>/dev/null || true; }
trap 'thaw; e2e_cleanup; wine_env_restart_pulseaudio "$TESSOVANT_WINE_ENV_DIR"' EXIT
trap 'exit 143' TERM INT

stop_hex=$(cp1251_hex 'Стоп')
start_hex=$(cp1251_hex 'Запуск')
capture=$E2E_WORK/capture.raw

start_program "$capture"
driver select visual 0 >/dev/null
driver click start >/dev/null
wait_for_blocks "$capture" 1 20

kill -STOP "$pulse_pid"
sleep 1
driver commands 10 10 >"$E2E_WORK/frozen.txt"
check_between "frozen: Stop answered within (ms)" "$(value command.0.elapsed "$E2E_WORK/frozen.txt")" 0 1500
check_between "frozen: Start answered within (ms)" "$(value command.1.elapsed "$E2E_WORK/frozen.txt")" 0 1500
check "frozen: the new exposure runs" "$(value start.hex "$E2E_WORK/frozen.txt")" "$stop_hex"

thaw
sleep 2
# Each opening of the device starts the capture file anew.
rm -f "$capture"
driver commands 10 10 >"$E2E_WORK/later.txt"
check "thawed: a later Start runs" "$(value start.hex "$E2E_WORK/later.txt")" "$stop_hex"
wait_for_blocks "$capture" 10 30
driver commands 10 >"$E2E_WORK/stop.txt"
check "thawed: Stop" "$(value start.hex "$E2E_WORK/stop.txt")" "$start_hex"
sleep 0.5
stop_program
check "exit code" $? 0

check_sound "the later exposure's sound is the synthesis" "$capture" 1 780 8

finish
