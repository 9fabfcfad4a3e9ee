#!/usr/bin/env bash
# Catches a player that forgets at exit what the user set (the volume, the
# pattern, the language, the files opened, the editor's size and place),
# writes before anything has changed, lists a kept file that is gone or
# complains of it, or does not take a value of the wrong type or a missing
# one as its default.
source "$(dirname "$0")/e2e.sh"

key='HKCU\Software\Tessovant\Player'
stored() { "$WINE" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name { print $2, $3 }'; }
read_state() { driver player-state >"$E2E_WORK/state.txt"; }
check_has() { check "$1" "$(value "$2" | grep -cF -- "$3")" 1; }
library=$(find "$TESSOVANT_SOURCE_DIR/sessions" -name '*.txt' | wc -l)
printf '10s 1 8\n' >"$E2E_WORK/kept.txt"
printf '10s 1 9\n' >"$E2E_WORK/gone.txt"

start_player "$E2E_WORK/capture.raw" "$E2E_WORK/kept.txt" "$E2E_WORK/gone.txt"
check "nothing is written until a setting changes" \
  "$("$WINE" reg query "$key" /v Volume >/dev/null 2>&1 && echo written)" ""
driver player-volume 40 >/dev/null
driver player-pattern 3 >/dev/null
driver player-click 9 >/dev/null
driver player-click 28 >/dev/null
driver editor-wait 10000 >/dev/null
driver resize-editor 1000 760 >/dev/null
sleep 0.3
stop_program
rm "$E2E_WORK/gone.txt"
check "the volume is written as a number" "$(stored Volume)" "REG_DWORD 0x28"
check "the pattern too" "$(stored Pattern)" "REG_DWORD 0x3"
check "the language switched to" "$(stored Language)" "REG_SZ ru"
check "the editor's size at 96 DPI" "$(stored EditorWidth) $(stored EditorHeight)" "REG_DWORD 0x3e8 REG_DWORD 0x2f8"
check "the files opened" "$("$WINE" reg query "$key" /v RecentFiles 2>/dev/null | grep -c 'kept.txt.*gone.txt')" 1

E2E_KEEP_SETTINGS=1 start_player "$E2E_WORK/capture.raw"
sleep 1
read_state
check_has "the volume is restored" labels "|40 %|"
check_state "the pattern is restored" pattern "Круги"
check_state "the language is restored" title "Тессовант: сеансы"
check_state "the file kept is listed after the library, the one gone left out quietly" \
  items $((library + 1))
check "no message about the file gone" "$(driver player-message 1000 0 | grep -c '^text=')" 0
driver player-session "$library" >/dev/null
driver player-click 29 >/dev/null
driver editor-wait 10000 >/dev/null
check "the editor comes up at its kept size" \
  "$(driver editor-state | tr -d '\r' | sed -n 's/^rect=[-0-9]*,[-0-9]*,//p')" "1000,760"
stop_program

# A value of the wrong type, and one missing: their defaults.
"$WINE" reg add "$key" /v Volume /t REG_SZ /d 40 /f >/dev/null 2>&1
"$WINE" reg delete "$key" /v Pattern /f >/dev/null 2>&1
E2E_KEEP_SETTINGS=1 start_player "$E2E_WORK/capture.raw"
sleep 1
read_state
check_has "a volume of the wrong type is the default" labels "|100 %|"
check_state "a missing pattern is the default" pattern "Плавный стробоскоп"
check_state "the language is still kept" title "Тессовант: сеансы"
finish
