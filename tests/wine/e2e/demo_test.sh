#!/usr/bin/env bash
# The headless demonstration of the run command: it must say first which
# build it runs (the one under test), leave the panel's screenshot, one of
# each pattern, the sound of its four exposures, the session player's
# window in Russian and in English while it plays and the session editor's in
# both, and stop every process it started.
source "$(dirname "$0")/e2e.sh"

out=$E2E_WORK/demo
# Outside the work folder, which each run deletes: the demonstration's Wine
# prefix is made once (a WoW64 prefix takes most of a minute) and reused.
demo_env=$TESSOVANT_WINE_ENV_DIR/demo-env
TESSOVANT_DEMO_ENV=$demo_env TESSOVANT_BUILD_ROOT=$(dirname "$TESSOVANT_WIN_DIR") \
  bash "$TESSOVANT_SOURCE_DIR/scripts/demo.sh" "$out" >"$E2E_WORK/demo.log" 2>&1
check "demo finished" $? 0
check "demo says first which build it runs" \
  "$(head -1 "$E2E_WORK/demo.log" | grep -c "build, $TESSOVANT_WIN_DIR/tessovant.exe")" 1
check "demo prints where it wrote" "$(grep -c "^Demonstration written to: $out\$" "$E2E_WORK/demo.log")" 1

size() { /usr/bin/convert "$1" -format '%w,%h' info: 2>/dev/null; }
deviation() { /usr/bin/convert "$1" -format '%[fx:int(standard_deviation*1000)]' info: 2>/dev/null; }
screen=$(xdpyinfo | awk '/dimensions:/ {print $2}' | tr x ,)
check "panel screenshot is the panel" "$(size "$out/panel.png")" "500,200"
check "English panel screenshot" "$(size "$out/panel-english.png")" "500,200"
# The windows' client areas at 96 DPI (460 x 386, and the editor's smallest,
# 840 x 732) with the frames Wine draws, the editor's a sizing one.
check "player screenshots in Russian and English" \
  "$(size "$out/player.png") $(size "$out/player-english.png")" "466,411 466,411"
check "editor screenshots in Russian and English" \
  "$(size "$out/editor.png") $(size "$out/editor-english.png")" "848,759 848,759"
for name in smooth-strobe discrete-strobe circles grid; do
  check "$name screenshot covers the screen" "$(size "$out/$name.png")" "$screen"
done
# A strobe fills the screen evenly; circles and grid draw lines on black.
check_between "smooth strobe is even" "$(deviation "$out/smooth-strobe.png")" 0 5
check_between "discrete strobe is even" "$(deviation "$out/discrete-strobe.png")" 0 5
mean() { /usr/bin/convert "$1" -format '%[fx:int(mean*100)]' info: 2>/dev/null; }
check_between "smooth strobe caught bright" "$(mean "$out/smooth-strobe.png")" 30 100
check_between "discrete strobe caught white" "$(mean "$out/discrete-strobe.png")" 50 100
check_between "circles show lines" "$(deviation "$out/circles.png")" 20 1000
check_between "grid shows lines" "$(deviation "$out/grid.png")" 20 1000
check "the panel and the patterns differ" \
  "$(/usr/bin/convert "$out/panel.png" -format '%[fx:int(mean*100)>30]' info:)" 1

wav_info=$(python3 -c '
import sys, wave
w = wave.open(sys.argv[1])
print("%d,%d,%d,%d" % (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes() // 44100))
' "$out/sound.wav" 2>/dev/null)
check "sound is 16-bit stereo at 44100 Hz" "$(echo "$wav_info" | cut -d, -f1-3)" "2,2,44100"
check_between "sound lasts the four exposures (s)" "$(echo "$wav_info" | cut -d, -f4)" 6 40

# Every process the demonstration started is gone.
pids=$(grep '^demo: stopped the processes it started:' "$E2E_WORK/demo.log" | cut -d: -f3)
alive=0
for pid in $pids; do kill -0 "$pid" 2>/dev/null && alive=$((alive + 1)); done
check_between "demo named the program, display and sound server it started" "$(echo $pids | wc -w)" 3 3
check "demo left none of them running" "$alive" 0

finish
