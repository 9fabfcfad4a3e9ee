#!/usr/bin/env bash
# Arrow keys in the full-screen window during an exposure: steps of 0.01 Hz
# and 1 Hz with their ends, the slider, the arrow buttons and the read-out
# following; Space and Right held together act in one key press.
source "$(dirname "$0")/e2e.sh"

# set_and_press START KEY EXPECTED_POSITION EXPECTED_READOUT
set_and_press() {
  driver set-frequency "$1" >/dev/null
  press "$2"
  read_state
  check_state "$2 at $1: slider" slider.pos "$3"
  check_state "$2 at $1: arrow buttons" frequencySpin.pos "$3"
  check_state "$2 at $1: read-out" readout "$4"
}

start_program
driver click start >/dev/null
driver wait-stimulation shown 3000 >/dev/null
sleep 0.5
check "window in front to take the keys" "$(driver state | grep '^foreground=' | cut -d= -f2)" stimulation

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
sleep 0.3
read_state
check_state "Space with Right held: window hidden" stimulation.visible 0
check_state "Space with Right held: start caption" start.hex "$(cp1251_hex 'Запуск')"
check_state "Space with Right held: read-out" readout "7,82"
check_state "Space with Right held: slider" slider.pos 782

finish
