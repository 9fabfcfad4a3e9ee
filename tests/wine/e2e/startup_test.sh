#!/usr/bin/env bash
# The panel as it comes up: place, size, title bytes, captions, both lists,
# the frequency controls, the duration, the layout of the controls and the
# hidden full-screen window. Commands with a notification code change nothing.
source "$(dirname "$0")/e2e.sh"

start_program
read_state
screenshot startup

width=${E2E_SCREEN_WIDTH:-$(value screen | cut -d, -f1)}
check_state "panel at (half the screen - 250, 50), 500 x 200" panel.rect "$((width / 2 - 250)),50,500,200"
check_state "panel visible" panel.visible 1
style=$(value panel.style)
check "panel has a system menu and a minimise box" $(( style & 0x000A0000 )) $(( 0x000A0000 ))
check "panel has no maximise box and no sizing border" $(( style & 0x00050000 )) 0
check "panel is neither popup nor child" $(( style & 0xC0000000 )) 0

check_state "title bytes" title.hex "$(cp1251_hex 'Тессовант 03.2005')"
check_state "start caption bytes" start.hex "$(cp1251_hex 'Запуск')"
check_state "language caption bytes" language.hex "$(cp1251_hex 'Eng/Рус')"

sounds=("Отсутствует" "Бинауральные биения" "Амплитудная модуляция" "Модуляция белого шума" "Биения белого шума")
visuals=("Отсутствует" "Плавный стробоскоп" "Дискретный стробоскоп" "Круги" "Сетка")
check_state "sound list has five items" soundList.count 5
check_state "visual list has five items" visualList.count 5
for i in 0 1 2 3 4; do
  check_state "sound item $i" "soundList.$i.hex" "$(cp1251_hex "${sounds[$i]}")"
  check_state "visual item $i" "visualList.$i.hex" "$(cp1251_hex "${visuals[$i]}")"
done
check_state "sound list shows item 1" soundList.sel 1
check_state "visual list shows item 1" visualList.sel 1

check_state "read-out" readout "7,80"
check_state "slider position" slider.pos 780
check_state "slider range" slider.range "10,5000"
check_state "arrow buttons position" frequencySpin.pos 780
check_state "arrow buttons range" frequencySpin.range "10,5000"
check_state "duration field" duration "0"
check_state "duration arrows range" durationSpin.range "0,10000"
check "duration arrows position" "$(driver duration-pos | grep '^durationSpin.pos=' | cut -d= -f2)" 0

# Positions in the panel's client area. Wine widens up-down controls to its
# own minimum width and gives closed drop-down lists their own height, so
# those two measures are not the program's to keep.
check_state "read-out place" readout.rect "160,5,40,15"
check_state "duration field place" durationField.rect "150,92,50,20"
check_state "slider place" slider.rect "242,5,250,15"
check "arrow buttons place" "$(value frequencySpin.rect | cut -d, -f1,2,4)" "222,5,15"
check "sound list place" "$(value soundList.rect | cut -d, -f1-3)" "185,30,305"
check "visual list place" "$(value visualList.rect | cut -d, -f1-3)" "185,60,305"
check "duration arrows place" "$(value durationSpin.rect | cut -d, -f1,2,4)" "230,95,15"
check_state "start button place" startButton.rect "215,125,70,30"
check_state "language button place" languageButton.rect "5,125,70,30"

# The background tile between the controls, and the painted labels.
IFS=, read -r red green blue <<<"$(region startup 300 90 180 28 '%[fx:int(mean.r*255)],%[fx:int(mean.g*255)],%[fx:int(mean.b*255)]')"
check_between "background tile red" "$red" 197 237
check_between "background tile green" "$green" 173 213
check_between "background tile blue" "$blue" 159 199
check_between "background tile has no dark pixels" "$(darkest startup 300 90 180 28)" 35 100
check_label "frequency label" startup 5 5 150 15
check_label "frequency unit" startup 202 5 18 15
check_label "sound label" startup 5 34 170 15
check_label "visual label" startup 5 64 170 15
check_label "duration label" startup 5 94 140 15
check_label "duration unit" startup 202 94 26 15
check_label "web-address line" startup 325 132 160 15

check_state "full-screen window exists" stimulation.found 1
check_state "full-screen window hidden" stimulation.visible 0
check_state "full-screen window covers the screen" stimulation.rect "0,0,$(value screen)"
stimulation_style=$(value stimulation.style)
check "full-screen window is a bare popup" $(( stimulation_style & 0xC0CF0000 )) $(( 0x80000000 ))
check_state "cursor visible" cursor.showing 1

# A command of either button with a non-zero notification code is ignored.
driver command-code 10 1 >/dev/null
driver command-code 9 1 >/dev/null
read_state
check_state "start caption after coded commands" start.hex "$(cp1251_hex 'Запуск')"
check_state "title after coded commands" title.hex "$(cp1251_hex 'Тессовант 03.2005')"
check_state "no exposure after coded commands" stimulation.visible 0

finish
