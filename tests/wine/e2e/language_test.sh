#!/usr/bin/env bash
# The language button: English and back, the lists falling back to item 1,
# the texts that stay, and a switch during a sound-only exposure, which goes
# on until the next click of the start button.
source "$(dirname "$0")/e2e.sh"

start_program
read_state
screenshot russian
driver set-frequency 1005 >/dev/null
driver set-duration 7 >/dev/null
driver click language >/dev/null
read_state
screenshot english

check_state "English title" title "Tessovant 03.2005"
# The labels are painted anew in English at the same places.
for label in "5 5 150 15" "5 34 170 15" "5 64 170 15" "5 94 140 15"; do
  # shellcheck disable=SC2086
  check "label at ${label% * *} repainted" \
    "$([ "$(region russian $label '%#')" != "$(region english $label '%#')" ] && echo changed)" changed
  # shellcheck disable=SC2086
  check_label "English label at ${label% * *}" english $label
done
check_state "English start caption" start "Start"
check_state "language caption unchanged" language.hex "$(cp1251_hex 'Eng/Рус')"
sounds=("None" "Brain waves" "Peak modulation" "Modulation of white noise" "Waves of white noise")
visuals=("None" "Smooth strobo" "Discrete strobo" "Circles" "Grid")
check_state "English sound list has five items" soundList.count 5
check_state "English visual list has five items" visualList.count 5
for i in 0 1 2 3 4; do
  check_state "English sound item $i" "soundList.$i" "${sounds[$i]}"
  check_state "English visual item $i" "visualList.$i" "${visuals[$i]}"
done
check_state "English sound list shows item 1" soundList.sel 1
check_state "English visual list shows item 1" visualList.sel 1
check_state "read-out kept" readout "10,05"
check_state "slider kept" slider.pos 1005
check_state "duration kept" duration "7"

# Back to Russian; then Circles and no sound chosen, and two switches:
# Russian again with item 1 in both lists.
driver click language >/dev/null
driver select visual 3 >/dev/null
driver select sound 0 >/dev/null
driver click language >/dev/null
driver click language >/dev/null
read_state
check_state "Russian title again" title.hex "$(cp1251_hex 'Тессовант 03.2005')"
check_state "Russian start caption again" start.hex "$(cp1251_hex 'Запуск')"
check_state "sound list back at item 1" soundList.sel 1
check_state "visual list back at item 1" visualList.sel 1
check_state "sound item 1 in Russian" soundList.1.hex "$(cp1251_hex 'Бинауральные биения')"
check_state "visual item 1 in Russian" visualList.1.hex "$(cp1251_hex 'Плавный стробоскоп')"

# A sound-only exposure: the switch writes the start text, the exposure
# goes on, and the next click stops it (a start would read "Стоп").
driver set-duration 0 >/dev/null
driver select visual 0 >/dev/null
driver click start >/dev/null
read_state
check_state "exposure running" start.hex "$(cp1251_hex 'Стоп')"
check_state "no full-screen window without a visual mode" stimulation.visible 0
driver click language >/dev/null
read_state
check_state "switch during the exposure writes Start" start "Start"
driver click start >"$E2E_WORK/click.txt"
check "the next click stops the exposure" "$(value start "$E2E_WORK/click.txt")" "Start"
driver click start >"$E2E_WORK/click.txt"
check "a further click starts a new one" "$(value start "$E2E_WORK/click.txt")" "Stop"
driver click start >/dev/null

finish
