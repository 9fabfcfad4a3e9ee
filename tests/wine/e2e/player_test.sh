#!/usr/bin/env bash
# The session player end to end: a bad session file on the command line gets
# a message with its line and stays out of the list; a good one in a folder
# whose name is outside code page 1251 loads, and Start plays it. Its sound
# is render-sound's for the same file, every frame; the screens follow the
# schedule's frequency and fades; the exposure ends by itself on time and
# gives the screen back.
source "$(dirname "$0")/e2e.sh"
E2E_PROGRAM=$TESSOVANT_WIN_DIR/tessovant-session.exe

capture=$E2E_WORK/capture.raw
folder="$E2E_WORK/сеансы Ω"
mkdir -p "$folder"
# 15 s: a slide from 10 to 6 Hz, a hold, then another sound mode at 8 Hz.
cat >"$folder/short.txt" <<'SESSION'
fade-in 3s
fade-out 3s
5s 1 10 6
5s 1 6
5s 3 8
SESSION
printf '5s 1 10\nfade-in 2s\n5s 9 10\n' >"$E2E_WORK/bad.txt"
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# Wine decodes the command line with the character set of the Unix locale,
# and ru_RU.UTF-8 is not installed here: the player runs under C.UTF-8, so
# its ANSI texts are read in English (its message box is Unicode throughout).
home=$(mktemp -d "$E2E_WORK/home.XXXXXX")
capture_home "$home" "$capture"
HOME="$home" PULSE_SERVER=unix:/nonexistent LC_ALL=C.UTF-8 "$WINE" "$E2E_PROGRAM" \
  "$(windows_path "$E2E_WORK/bad.txt")" "$(windows_path "$folder/short.txt")" \
  >"$E2E_WORK/program.log" 2>&1 &
E2E_PROGRAM_PID=$!
driver player-wait 30000 >/dev/null || { echo "FAIL: the player did not come up"; exit 1; }

driver player-message 20000 >"$E2E_WORK/message.txt"
message=$(value text "$E2E_WORK/message.txt")
check "the message names the bad file" "$(grep -c 'bad.txt' <<<"$message")" 1
check "the message names line 3" "$(grep -c 'строка 3:' <<<"$message")" 1

library=$(find "$TESSOVANT_SOURCE_DIR/sessions" -name '*.txt' 2>/dev/null | wc -l)
sleep 0.5
read_state() { driver player-state >"$E2E_WORK/state.txt"; }
driver player-click 9 >/dev/null
read_state
check "the library and the good file are listed, the bad one not" "$(value items)" $((library + 1))
check "the good file is selected" "$(value selected)" "$library"
check "its name shows" "$(value "item.$library")" "short.txt"
check "description" "$(value description)" "0:15, 3 segments, from 6,00 to 10,00 Hz"

driver player-pattern 2 >/dev/null
"$TESSOVANT_HOST_DIR/render-sound" --session "$folder/short.txt" --raw --output "$E2E_WORK/reference.raw"
driver player-click 10 >"$E2E_WORK/click.txt"
started=$(value t "$E2E_WORK/click.txt")
# The session's last frame is heard a session's length after its first, and
# Wine opens a process's first sound device slowly: the end is timed from
# the first frame that reached the capture.
(while [ ! -s "$capture" ]; do sleep 0.01; done; now_ms >"$E2E_WORK/sound-start.txt") &
sound_poller=$!
driver sample-screen 13000 4 512 600 >"$E2E_WORK/samples.txt"
read_state
check "the progress shows the last segment" "$(value progress | grep -c 'segment 3 of 3, 8,00 Hz')" 1
driver wait-stimulation hidden 10000 >"$E2E_WORK/end.txt"
check "the full-screen window is hidden at the end" "$(value stimulation.visible "$E2E_WORK/end.txt")" 0
wait "$sound_poller"
check_between "ends within a second of the 15 s of sound" \
  "$(($(value t "$E2E_WORK/end.txt") - $(cat "$E2E_WORK/sound-start.txt")))" 15000 16000
echo "Start to end: $(($(value t "$E2E_WORK/end.txt") - started)) ms"
sleep 0.5
read_state
check "the player shows the session finished" "$(value progress)" "The session has finished."
check "Start caption back" "$(value start)" "Start"

python3 "$TESSOVANT_SOURCE_DIR/tests/wine/e2e/check_session_screens.py" "$E2E_WORK/samples.txt" \
  "$started" 3000 3000 5000:1000:600,5000:600:600,5000:800:800 >"$E2E_WORK/screens.txt" 2>&1
status=$?
cat "$E2E_WORK/screens.txt"
check "screens follow the session's frequency and fades" "$status" 0

python3 "$TESSOVANT_SOURCE_DIR/tests/wine/sound/compare_capture.py" "$capture" \
  "$E2E_WORK/reference.raw" 60 --trailing-silence >"$E2E_WORK/compare.txt" 2>&1
status=$?
cat "$E2E_WORK/compare.txt"
check "the captured sound is render-sound's, every frame" "$status" 0

# render-sound.exe reads and writes by the same wide names.
LC_ALL=C.UTF-8 "$WINE" "$TESSOVANT_WIN_DIR/render-sound.exe" --session "$(windows_path "$folder/short.txt")" \
  --raw --output "$(windows_path "$folder/Ω.raw")" </dev/null >/dev/null 2>&1
check "render-sound.exe in the same folder writes the same sound" \
  "$(cmp -s "$folder/Ω.raw" "$E2E_WORK/reference.raw" && echo same)" same

finish
