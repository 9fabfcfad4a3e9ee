#!/usr/bin/env bash
# A headless demonstration for a machine without a display: the program runs
# on a virtual display of its own, one exposure in each visual mode (each with
# another sound mode) is started and ended through the program's own
# controls, and screenshots (PNG) and the sound that it played (WAV) are
# written to a folder whose path is printed at the end. Then the session
# player plays a short session to its end, sound alone, and its window is
# shot while it plays, in Russian and in English; and the session editor is
# shot on a copy of a library session in both languages. It runs the release
# build where 32-bit programs run, else the win64 build, and says which on
# its first line. Only the processes started here are stopped.
#   scripts/demo.sh [OUTPUT_DIR]
# Expects the build it runs under TESSOVANT_BUILD_ROOT (default build/), or
# builds it first with TESSOVANT_DEMO_BUILDS=1, as the run command asks.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
env_dir=${TESSOVANT_DEMO_ENV:-$root/demo-env}
out=${1:-$root/demo/$(date +%Y%m%d-%H%M%S)}
mkdir -p "$out"
out=$(cd "$out" && pwd)
# shellcheck disable=SC1091
source "$src/scripts/lib/wine-env.sh"

program_pid=""
finish() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    driver close-wait 10000 >/dev/null 2>&1 || true
    sleep 0.5
    kill "$program_pid" 2>/dev/null || true
  fi
  local started=""
  [ -f "$env_dir/pids" ] && started=$(cut -d' ' -f1 "$env_dir/pids" | tr '\n' ' ')
  wine_env_stop "$env_dir" >/dev/null 2>&1 || true
  echo "demo: stopped the processes it started: ${program_pid:-} $started" >&2
}
trap finish EXIT

# A virtual display, a sound server and a Wine prefix of its own; the probe
# for 32-bit programs chooses the build.
wine_env_start "$env_dir" >/dev/null
# shellcheck disable=SC1091
source "$env_dir/env.sh"
windows=$(wine_env_choose_build "$root" demo "$TESSOVANT_RUNS_32BIT" "$TESSOVANT_32BIT_NOTE")
if [ "${TESSOVANT_DEMO_BUILDS:-0}" = 1 ]; then
  TESSOVANT_BUILD_ROOT=$root bash "$src/scripts/build.sh" "$(basename "$windows")" >&2
fi
exe=$windows/tessovant.exe
player_exe=$windows/tessovant-session.exe
driver_exe=$windows/tests/wine/e2e/e2e_driver.exe
for f in "$exe" "$player_exe" "$driver_exe"; do
  [ -f "$f" ] || { echo "demo: $f is missing; run scripts/build.sh" >&2; exit 1; }
done
WINE=$(wine_env_loader "$exe")
echo "demo: virtual display $DISPLAY, sound server and Wine prefix in $env_dir" >&2

# The Russian texts need the code page 1251, which Wine takes from the locale.
driver() { LC_ALL=ru_RU.UTF-8 "$WINE" "$driver_exe" "$@" 2>/dev/null | tr -d '\r'; }
value() { { grep -m1 "^$1=" "$2" || true; } | cut -d= -f2-; }
shot() { import -window root "$1"; }

raw=$out/.sound.raw
home=$out/.home
capture_home "$home" "$raw"
HOME="$home" PULSE_SERVER=unix:/nonexistent LC_ALL=ru_RU.UTF-8 "$WINE" "$exe" >/dev/null 2>&1 &
program_pid=$!
driver wait-panel 30000 >/dev/null
sleep 1

state=$out/.state.txt
driver state >"$state"
IFS=, read -r px py pw ph <<<"$(value panel.rect "$state")"
shot "$out/.screen.png"
/usr/bin/convert "$out/.screen.png" -crop "${pw}x${ph}+${px}+${py}" +repage "$out/panel.png"
driver click language >/dev/null
sleep 0.5
shot "$out/.screen.png"
/usr/bin/convert "$out/.screen.png" -crop "${pw}x${ph}+${px}+${py}" +repage "$out/panel-english.png"
driver click language >/dev/null

# Of a few frames of a pattern, keeps the brightest: a strobe caught in its
# dark phase would show only black.
brightest_frame() {
  local target=$1 best=-1 frame mean
  for i in 1 2 3 4 5 6 7 8 9 10; do
    frame=$out/.frame$i.png
    shot "$frame"
    mean=$(/usr/bin/convert "$frame" -format '%[fx:int(mean*100000)]' info:)
    if [ "$mean" -gt "$best" ]; then best=$mean; cp "$frame" "$target"; fi
    sleep 0.07
  done
  rm -f "$out"/.frame*.png
}

names=(none smooth-strobe discrete-strobe circles grid)
for mode in 1 2 3 4; do
  driver select visual "$mode" >/dev/null
  driver select sound "$mode" >/dev/null
  driver click start >/dev/null
  driver wait-stimulation shown 5000 >/dev/null
  sleep 1.5
  brightest_frame "$out/${names[$mode]}.png"
  sleep 0.5
  xdotool key space
  driver wait-stimulation hidden 5000 >/dev/null
  echo "demo: exposure in visual mode ${names[$mode]}, sound mode $mode done" >&2
  sleep 0.6
  # Each exposure opens the sound device anew, which starts the capture file
  # afresh: keep each exposure's part.
  [ -f "$raw" ] && mv "$raw" "$raw.$mode"
done

driver close-wait 10000 >/dev/null
wait "$program_pid" || true
echo "demo: the program (pid $program_pid) has ended" >&2

# A short session of 8 s in the player, from the command line, with no
# pattern, so that its window stays in view: shot while it plays, its
# progress showing, in Russian, then switched to English.
session=$out/demonstration.txt
cat >"$session" <<'SESSION'
title en Demonstration
title ru Демонстрация
# 10 Hz down to 8 Hz, then peaks at 8 Hz.
fade-in 2s
fade-out 2s
4s 1 10 8
4s 2 8
SESSION
player_shot() {
  driver player-state >"$state"
  IFS=, read -r px py pw ph <<<"$(value rect "$state")"
  shot "$out/.screen.png"
  /usr/bin/convert "$out/.screen.png" -crop "${pw}x${ph}+${px}+${py}" +repage "$1"
}
HOME="$home" PULSE_SERVER=unix:/nonexistent LC_ALL=ru_RU.UTF-8 "$WINE" "$player_exe" \
  "Z:$(printf '%s' "$session" | tr / '\\')" >/dev/null 2>&1 &
program_pid=$!
driver player-wait 30000 >/dev/null
driver player-pattern 0 >/dev/null
driver player-click 10 >/dev/null
sleep 2
player_shot "$out/player.png"
driver player-click 9 >/dev/null
sleep 0.5
player_shot "$out/player-english.png"
for _ in $(seq 100); do
  driver player-state >"$state"
  [ "$(value start "$state")" = Start ] && break
  sleep 0.2
done
echo "demo: a session of 8 s played in the session player" >&2
# The editor on a copy of the library's sleep session (listed in the order
# of the file names, as the build takes them), shot in English, the
# player's language by now, then in Russian.
sleep_row=$(( $(LC_ALL=C ls "$src/sessions" | grep -n '^sleep\.txt$' | cut -d: -f1) - 1 ))
editor_shot() {
  driver editor-state >"$state"
  IFS=, read -r px py pw ph <<<"$(value rect "$state")"
  shot "$out/.screen.png"
  /usr/bin/convert "$out/.screen.png" -crop "${pw}x${ph}+${px}+${py}" +repage "$1"
}
driver player-session "$sleep_row" >/dev/null
driver player-click 29 >/dev/null
driver editor-wait 10000 >/dev/null
sleep 0.5
editor_shot "$out/editor-english.png"
# The language button brings the player forward; Edit the editor again.
driver player-click 9 >/dev/null
driver player-click 29 >/dev/null
sleep 0.5
editor_shot "$out/editor.png"
echo "demo: the session editor shown in English and in Russian" >&2
driver close-wait 10000 >/dev/null
wait "$program_pid" || true
rm -f "$session"

cat "$raw".[1-4] >"$raw" 2>/dev/null || true
rm -f "$raw".[1-4]
if [ ! -s "$raw" ]; then
  echo "demo: no sound was captured (no audio output reached)" >&2
else
python3 - "$raw" "$out/sound.wav" <<'PY'
import sys, wave
with open(sys.argv[1], "rb") as f:
    frames = f.read()
with wave.open(sys.argv[2], "wb") as w:
    w.setnchannels(2)
    w.setsampwidth(2)
    w.setframerate(44100)
    w.writeframes(frames[: len(frames) - len(frames) % 4])
PY
fi
rm -rf "$raw" "$home" "$state" "$out/.screen.png"
echo "Demonstration written to: $out"
ls -1 "$out"
