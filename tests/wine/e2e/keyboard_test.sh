#!/usr/bin/env bash
# A panel the keyboard alone cannot use: Tab and Shift+Tab must go round the
# six controls in order, and Space and Enter on the focused Start button must
# each start an exposure.
source "$(dirname "$0")/e2e.sh"

# starts_exposure KEY: KEY on the focused Start button brings up the pattern;
# Space in the full-screen window ends it and gives the panel the keyboard.
starts_exposure() {
  read_state_until focus startButton
  check_state "Start focused before $1" focus startButton
  press "$1"
  check "$1 on Start brings up the pattern" "$(driver wait-stimulation shown 5000 >/dev/null; echo $?)" 0
  check "$1 on Start: Stop caption" "$(driver state | grep '^start.hex=' | cut -d= -f2)" "$(cp1251_hex 'Стоп')"
  press space
  check "Space ends the exposure started by $1" "$(driver wait-stimulation hidden 5000 >/dev/null; echo $?)" 0
}

start_program
driver forward >/dev/null
read_state_until focus panel
check_state "the panel has the keyboard" focus panel
for name in slider soundList visualList durationField startButton languageButton slider; do
  press Tab
  read_state_until focus "$name"
  check_state "Tab to $name" focus "$name"
done
for name in languageButton startButton durationField visualList soundList slider; do
  press shift+Tab
  read_state_until focus "$name"
  check_state "Shift+Tab back to $name" focus "$name"
done

press Tab Tab Tab Tab
starts_exposure space
read_state_until focus panel
check_state "the panel has the keyboard again" focus panel
press Tab Tab Tab Tab Tab
starts_exposure Return

# A player the keyboard alone cannot use: Tab must go from the session list to
# Open, New, Edit, the language button, the pattern list, the volume and
# Start; Enter there must play.
stop_program
start_player "$E2E_WORK/capture.raw"
read_state() { driver player-state >"$E2E_WORK/state.txt"; }
for id in 20 21 28 29 9 22 26 10; do
  press Tab
  read_state_until focus "$id"
  check_state "player: Tab to control $id" focus "$id"
done
press Return
check "player: Enter on Start plays the session" "$(driver wait-stimulation shown 5000 >/dev/null; echo $?)" 0

finish
