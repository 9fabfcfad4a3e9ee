#!/usr/bin/env bash
# A sound outage during a session (the sound server frozen for 3 s): once a
# device opens again, the player's sound goes on at the block its clock has
# reached, as render-sound makes that block, so sound and light stay
# together and the session still ends on time.
source "$(dirname "$0")/e2e.sh"

pulse_pid=$(awk '$2 == "pulseaudio" { print $1 }' "$TESSOVANT_WINE_ENV_DIR/pids")
[ -n "$pulse_pid" ] || { echo "FAIL: the harness recorded no sound server"; exit 1; }
thaw() { kill -CONT "$pulse_pid" 2>/dev/null || true; }
trap 'thaw; e2e_cleanup' EXIT
trap 'exit 143' TERM INT

capture=$E2E_WORK/capture.raw
printf '20s 1 10 6\n' >"$E2E_WORK/slide.txt"
"$TESSOVANT_HOST_DIR/render-sound" --session "$E2E_WORK/slide.txt" --raw --output "$E2E_WORK/reference.raw"
start_player "$capture" "$E2E_WORK/slide.txt"
driver player-click 9 >/dev/null
driver player-pattern 2 >/dev/null
driver player-click 10 >"$E2E_WORK/click.txt"
started=$(value t "$E2E_WORK/click.txt")
wait_for_blocks "$capture" 4 10
kill -STOP "$pulse_pid"
sleep 3
# Each opening of the device starts the capture file anew.
rm -f "$capture"
thaw
thawed=$(( ($(now_ms) - started) / 250 ))
wait_for_blocks "$capture" 1 10
reopened=$(( ($(now_ms) - started) / 250 ))
sleep 4
# The first block after the outage is the one the clock had reached when the
# device opened: not before the thaw, and not after the capture held a whole
# block again (a worker going on at its own next block would be far before).
resumed=none
for block in $(seq $((thawed - 1)) "$reopened"); do
  if python3 "$TESSOVANT_SOURCE_DIR/tests/wine/sound/compare_capture.py" "$capture" \
       "$E2E_WORK/reference.raw" 8 --from-block "$block" >"$E2E_WORK/compare.txt" 2>&1; then
    resumed=$block
    break
  fi
done
echo "thawed at clock block $thawed, a whole block captured again at $reopened; resumed at block $resumed"
check "after the outage the sound goes on at the clock's block" "$([ "$resumed" != none ] && echo yes)" yes
driver wait-stimulation hidden 25000 >/dev/null
driver player-state >"$E2E_WORK/state.txt"
check_between "the session still ends on time (ms after Start)" \
  "$(($(value t "$E2E_WORK/state.txt") - started))" 20000 23000
check "and shows it finished" "$(value progress "$E2E_WORK/state.txt")" "The session has finished."

finish
