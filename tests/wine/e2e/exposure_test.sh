#!/usr/bin/env bash
# Start and Stop: the captions, the full-screen window (owned by the panel)
# shown over everything and put away by Space, Esc or Alt+F4 (which leaves it
# in existence) with the panel in front and focused, the Stop button leaving
# it up, visual mode None leaving it hidden, and the cursor coming back after
# Start, Stop, back to the panel, Start (the window left up takes the
# keyboard again), Space.
source "$(dirname "$0")/e2e.sh"

stop_hex=$(cp1251_hex 'Стоп')
start_hex=$(cp1251_hex 'Запуск')

check_restored() {
  read_state_until stimulation.visible 0
  check_state "$1: full-screen window hidden" stimulation.visible 0
  check_state "$1: panel in front" foreground panel
  check_state "$1: full-screen window owned by the panel" stimulation.owner panel
  check_state "$1: focus on the panel" focus panel
  check_state "$1: cursor visible" cursor.showing 1
  check_state "$1: start caption" start.hex "$start_hex"
}

start_program

# Smooth strobe (the default): shown, in front, cursor hidden; Space ends it.
driver click start >"$E2E_WORK/click.txt"
check "start caption turns to Stop" "$(value start.hex "$E2E_WORK/click.txt")" "$stop_hex"
driver wait-stimulation shown 10000 >/dev/null
read_state_until foreground stimulation
check_state "full-screen window shown" stimulation.visible 1
check_state "full-screen window covers the screen" stimulation.rect "0,0,$(value screen)"
check_state "full-screen window in front" foreground stimulation
check_state "cursor hidden" cursor.showing 0
screenshot smooth_strobe
check "the strobe covers the whole screen evenly" \
  "$(/usr/bin/convert "$E2E_WORK/smooth_strobe.png" -format '%[fx:standard_deviation<0.01]' info:)" 1
press space
check_restored "after Space"

# Alt+F4 on the full-screen window ends the exposure as Space does; the
# window stays in existence for the next exposure.
driver click start >/dev/null
driver wait-stimulation shown 10000 >/dev/null
read_state_until focus stimulation
press alt+F4
check_restored "after Alt+F4"
check_state "after Alt+F4: the full-screen window still exists" stimulation.found 1

# Esc, the key a person in distress reaches for, ends it as Space does.
driver click start >/dev/null
driver wait-stimulation shown 10000 >/dev/null
read_state_until focus stimulation
press Escape
check_restored "after Esc"

# The Stop button leaves the window up with the cursor hidden; Space then
# puts it away.
driver click start >/dev/null
driver wait-stimulation shown 10000 >/dev/null
sleep 0.5
driver commands 10 >"$E2E_WORK/stop.txt"
check "Stop button writes Start" "$(value start.hex "$E2E_WORK/stop.txt")" "$start_hex"
sleep 0.5
read_state
check_state "after Stop: window still up" stimulation.visible 1
check_state "after Stop: cursor still hidden" cursor.showing 0
press space
check_restored "Space after Stop"

# Visual mode None: no window, the cursor stays, the slider keeps the focus
# and the arrow keys move it through the trackbar's own keyboard handling.
driver select visual 0 >/dev/null
driver click start >"$E2E_WORK/click.txt"
check "None: start caption turns to Stop" "$(value start.hex "$E2E_WORK/click.txt")" "$stop_hex"
sleep 1
read_state
check_state "None: window stays hidden" stimulation.visible 0
check_state "None: cursor visible" cursor.showing 1
check_state "None: slider has the focus" focus slider
press Right
read_state_until slider.pos 781
check_state "None: Right moves the slider" slider.pos 781
check_state "None: arrow buttons follow" frequencySpin.pos 781
check_state "None: read-out follows" readout "7,81"
driver click start >"$E2E_WORK/click.txt"
check "None: Stop" "$(value start.hex "$E2E_WORK/click.txt")" "$start_hex"
check "None: window still hidden" "$(driver state | grep '^stimulation.visible=' | cut -d= -f2)" 0

# Cursor balance: Start, Stop, back to the panel, Start, Space.
driver select visual 1 >/dev/null
driver click start >/dev/null
driver wait-stimulation shown 10000 >/dev/null
sleep 0.3
driver commands 10 >/dev/null
driver forward >"$E2E_WORK/forward.txt"
check "panel brought forward over the window left up" "$(value foreground "$E2E_WORK/forward.txt")" panel
driver commands 10 >"$E2E_WORK/restart.txt"
check "second start" "$(value start.hex "$E2E_WORK/restart.txt")" "$stop_hex"
read_state_until focus stimulation
check_state "second start: the window left up is in front" foreground stimulation
check_state "second start: the window has the keyboard" focus stimulation
check_state "second start: cursor hidden" cursor.showing 0
press space
xdotool mousemove 500 150
sleep 0.2
check_restored "Space after Start, Stop, panel, Start"

finish
