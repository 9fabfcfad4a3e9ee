#!/usr/bin/env bash
# Arrow keys in the full-screen window during an exposure: steps of 0.01 Hz
# and 1 Hz with their ends, the slider, the arrow buttons and the read-out
# following; Space and Right held together act in one key press; keys
# pressed while the panel had the keyboard (Space on the Start button, Up)
# do not act again in the full-screen window.
source "$(dirname "$0")/e2e.sh"

stop_hex=$(cp1251_hex 'Стоп')

# set_and_press START KEY EXPECTED_POSITION EXPECTED_READOUT
set_and_press() {
  driver set-frequency "$1" >/dev/null
  press "$2"
  read_state_until slider.pos "$3"
  check_state "$2 at $1: slider" slider.pos "$3"
  check_state "$2 at $1: arrow buttons" frequencySpin.pos "$3"
  check_state "$2 at $1: read-out" readout "$4"
}

# The Start button takes the focus when the mouse goes down on it; released
# off the button, that is not a click.
focus_start_button() {
  local cx cy
  read_state
  IFS=, read -r cx cy _ _ <<<"$(value panel.client)"
  xdotool mousemove $((cx + 250)) $((cy + 140)) mousedown 1 mousemove $((cx + 400)) $((cy + 100)) mouseup 1
}

start_program
focus_start_button
read_state_until focus startButton
check_state "Start button focused" focus startButton
press space
driver wait-stimulation shown 10000 >/dev/null
read_state_until focus stimulation
check_state "window in front to take the keys" foreground stimulation
press Right
read_state_until readout "7,81"
check_state "Right after a Start by Space: the exposure goes on" start.hex "$stop_hex"
check_state "Right after a Start by Space: window still up" stimulation.visible 1
check_state "Right after a Start by Space: read-out" readout "7,81"

set_and_press 4899 Up 4999 "49,99"
set_and_press 4900 Up 5000 "50,00"
set_and_press 5000 Up 5000 "50,00"
set_and_press 5000 Right 5000 "50,00"
set_and_press 5000 Left 4999 "49,99"
set_and_press 780 Right 781 "7,81"
set_and_press 111 Down 11 "0,11"
set_and_press 110 Down 10 "0,10"
set_and_press 10 Left 10 "0,10"
set_and_press 10 Down 10 "0,10"
set_and_press 10 Right 11 "0,11"
set_and_press 1005 Down 905 "9,05"
check_state "the exposure goes on under the arrow keys" stimulation.visible 1

# Right held while Space goes down: Right's own press adds one, and the
# press of Space ends the exposure and sees Right held, adding one more.
driver set-frequency 780 >/dev/null
xdotool keydown Right sleep 0.1 key space sleep 0.1 keyup Right
read_state_until stimulation.visible 0
check_state "Space with Right held: window hidden" stimulation.visible 0
check_state "Space with Right held: start caption" start.hex "$(cp1251_hex 'Запуск')"
check_state "Space with Right held: read-out" readout "7,82"
check_state "Space with Right held: slider" slider.pos 782

# Up pressed while the panel has the keyboard, then Start: Right adds
# 0.01 Hz, nothing more.
driver set-frequency 780 >/dev/null
check "focus on the panel for Up" "$(driver state | grep '^focus=' | cut -d= -f2)" panel
press Up
# Nothing to wait for: Up must change nothing here. Time for it to arrive.
sleep 1
driver click start >/dev/null
driver wait-stimulation shown 10000 >/dev/null
read_state_until focus stimulation
press Right
read_state_until readout "7,81"
check_state "Right after Up on the panel: read-out" readout "7,81"
check_state "Right after Up on the panel: slider" slider.pos 781
press space

finish
