#!/usr/bin/env bash
# Catches a session editor that the keyboard alone cannot use to build a
# session (Tab, typing, the lists' arrows, Ctrl+N, a voice added with
# Insert in the voices' list, the Save dialog), whose table keys act in a
# field, that lets a voice's wrong value in or does not name it, that saves
# other bytes than were built, does not list what it saved, plays other
# sound than the saved file's, does not follow the player's language or
# name a wrong value, or lets unsaved changes go without asking, on closing
# or at the end of the Windows session.
source "$(dirname "$0")/e2e.sh"

capture=$E2E_WORK/capture.raw
saved=$E2E_WORK/made.txt
start_player "$capture"
read_state() { driver editor-state >"$E2E_WORK/state.txt"; }
# type_in FIELD TEXT: types into the field that has the keyboard, once it has.
type_in() {
  read_state_until focus "$1"
  check_state "field $1 has the keyboard" focus "$1"
  xdotool type --delay 60 "$2"
}

# Sound alone: no full-screen window takes the keyboard when it plays.
driver player-pattern 0 >/dev/null
driver player-click 28 >/dev/null
driver editor-wait 10000 >/dev/null
read_state_until focus 100
check_state "New opens the editor with one segment, the table with the keyboard" rows 1
# Past the table's six buttons to the segment's duration; a slide of peak
# modulation (the sound list one down) from 12 to 8 Hz.
press Tab Tab Tab Tab Tab Tab Tab
type_in 110 2s
press Tab Down Tab
type_in 112 12
press Tab
type_in 113 8
# Ctrl+N adds a segment and gives its duration the keyboard: brain waves at
# 8 Hz at 40 per cent, then modulated noise at 6 Hz.
press ctrl+n
type_in 110 3s
press Tab Tab
type_in 112 8
press Tab Tab
type_in 114 40
press ctrl+n
type_in 110 1.5s
press Tab Down Down Tab
type_in 112 6
# Alt+Up and Delete belong to the table: in a field they move and remove
# nothing, as the saved bytes show.
press alt+Up
# A voice under the third segment: Insert in the voices' list adds one, its
# kind taking the keyboard; isochronic pulses (two down the list) at a
# sliding carrier, their rate the light's (f, as a new voice has it), a
# square gate. A carrier out of range is named and kept out.
press Tab Tab Tab Tab Tab Tab Tab
read_state_until focus 170
press Insert
read_state_until focus 175
check_state "Insert in the voices' list adds a voice, its kind with the keyboard" voices 1
press Down Down Tab
type_in 176 20001
read_state_until field.120 "Carrier, Hz: carrier 20001 is out of range 0..20000"
check_state "a voice's wrong value is named" field.120 "Carrier, Hz: carrier 20001 is out of range 0..20000"
press shift+Tab Tab
type_in 176 300..250
press Tab Tab
type_in 178 12
press Tab Down Tab
type_in 130 "Made here"
press Tab Tab
type_in 132 1s
press Delete
read_state_until rows 3
check_state "three segments" rows 3
check_state "no value is wrong" field.120 ""

press ctrl+s
driver player-message 10000 0 >"$E2E_WORK/dialog.txt"
check "Ctrl+S on a new session asks for a file name" "$(value title "$E2E_WORK/dialog.txt")" "Save As"
sleep 0.5
xdotool type --delay 20 "$(windows_path "$saved")"
press Return
for _ in $(seq 100); do [ -s "$saved" ] && break; sleep 0.1; done
check "the file holds the session as built, the title first, the voice under its segment" "$(od -An -c "$saved" | tr -s ' \n' ' ')" \
  "$(printf 'title en Made here\r\nfade-in 1s\r\n2s 2 12 8 volume 20\r\n3s 1 8 volume 40\r\n1.5s 3 6 volume 20\r\n  isochronic 300..250 f 12 square\r\n' |
    od -An -c | tr -s ' \n' ' ')"
"$TESSOVANT_HOST_DIR/render-sound" --session "$saved" --raw --output "$E2E_WORK/reference.raw"
check "render-sound reads it as 26 blocks" \
  "$("$TESSOVANT_HOST_DIR/render-sound" --session "$saved" --schedule | head -1)" "blocks 26 fade-in 4 fade-out 0"
read_state_until title "Session editor - made.txt"
check_state "the editor edits the saved file, nothing unsaved" title "Session editor - made.txt"
driver player-state >"$E2E_WORK/player.txt"
check "the player lists the saved session by its title, chosen" \
  "$(value selected.name "$E2E_WORK/player.txt")" "Made here"

# F5 plays the session being edited in the player's exposure.
press F5
wait_for_blocks "$capture" 4 10
driver player-state >"$E2E_WORK/player.txt"
check "the player shows it playing" "$(value progress "$E2E_WORK/player.txt" | grep -c 'of 3')" 1
for _ in $(seq 150); do
  driver player-state >"$E2E_WORK/player.txt"
  [ "$(value progress "$E2E_WORK/player.txt")" = "The session has finished." ] && break
  sleep 0.1
done
check "and then finished" "$(value progress "$E2E_WORK/player.txt")" "The session has finished."
python3 "$TESSOVANT_SOURCE_DIR/tests/wine/sound/compare_capture.py" "$capture" \
  "$E2E_WORK/reference.raw" 25 --trailing-silence >"$E2E_WORK/compare.txt" 2>&1
check "the sound played is the saved file's, every frame" "$?" 0
cat "$E2E_WORK/compare.txt"

# The player's language is the editor's. The session's end gave the player
# the keyboard; Edit brings the editor up with the file read again. A wrong
# value is named in Russian under its field and stays out of the session.
driver player-click 9 >/dev/null
driver player-click 29 >/dev/null
read_state_until focus 100
press Tab Tab Tab Tab Tab Tab Tab
type_in 110 0s
read_state_until field.120 "Длительность: длительность 0s не больше 0"
check_state "a wrong duration is named in Russian" field.120 "Длительность: длительность 0s не больше 0"
check_state "and is no change" title "Редактор сеанса - made.txt"

# An unsaved change: Windows ending its session asks, and Cancel keeps it
# (wineboot then gives up); closing the editor asks, and No lets it close.
press ctrl+n
read_state_until rows 4
timeout 30 "$WINE" wineboot --end-session >/dev/null 2>&1 &
ending=$!
driver player-message 15000 2 >"$E2E_WORK/question.txt"
check "the end of the Windows session asks about the change" \
  "$(value text "$E2E_WORK/question.txt")" "Сохранить изменения в сеансе «made.txt»?"
wait "$ending"
check "Cancel keeps the Windows session" "$?" 1
read_state
check_state "and the change" rows 4
press alt+F4
driver player-message 10000 7 >"$E2E_WORK/question.txt"
check "closing the editor asks" "$(value title "$E2E_WORK/question.txt")" "Редактор сеанса"
sleep 0.5
check "No closes it" "$(driver editor-state >/dev/null; echo $?)" 1
check "the file is as saved" "$(grep -c . "$saved")" 6

finish
