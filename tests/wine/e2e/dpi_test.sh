#!/usr/bin/env bash
# Catches a player or editor that does not scale with the display (its
# window not 1.5 times as large at 144 DPI, a text cut in its control or a
# column's header cut in its list), an editor whose table and picture do
# not grow with its window or whose fields leave their places, a
# full-screen window that does not cover the screen at
# its size in pixels, and a flicker the display cannot show that is not
# named before Start. At 96 DPI in the harness's own session, and at 144 in
# a session of its own (Wine keeps the DPI its session's first program saw),
# on a screen 1.5 times as large.
source "$(dirname "$0")/e2e.sh"

session=$E2E_WORK/fast.txt
printf '4s 1 10\n4s 1 40\n' >"$session"
scaled() { echo $((($1 * $2 + 48) / 96)); }

# A session of Wine of its own at DPI on a screen of SIZE, from a copy of the
# harness's prefix; its processes are stopped at the end.
start_session_at() {
  local dpi=$1 size=$2 dir=$TESSOVANT_WINE_ENV_DIR/dpi-$1
  mkdir -p "$dir"
  rm -rf "$dir/prefix"
  cp -a "$WINEPREFIX" "$dir/prefix"
  WINEPREFIX=$dir/prefix "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$dpi" /f >/dev/null 2>&1
  WINEPREFIX=$dir/prefix "$WINESERVER" -w
  trap 'e2e_cleanup; wine_env_stop "'"$dir"'"' EXIT
  TESSOVANT_SCREEN_SIZE=$size wine_env_start "$dir" >/dev/null || { echo "FAIL: no session at $dpi DPI"; exit 1; }
  # shellcheck disable=SC1091
  source "$dir/env.sh"
}

# check_layout DPI WIDTH HEIGHT: the table of checks at one DPI on a screen
# of WIDTH x HEIGHT pixels.
check_layout() {
  local dpi=$1 width=$2 height=$3 grown
  start_player "$E2E_WORK/capture-$dpi.raw" "$session"
  driver layout player >"$E2E_WORK/player-$dpi.txt"
  check "$dpi DPI: the player's client area is 460 x 386 scaled" \
    "$(value client "$E2E_WORK/player-$dpi.txt")" "$(scaled 460 "$dpi"),$(scaled 386 "$dpi")"
  check "$dpi DPI: no text of the player is cut $(grep '^cut\.' "$E2E_WORK/player-$dpi.txt" | tr '\n' ' ')" \
    "$(value cut "$E2E_WORK/player-$dpi.txt")" 0
  driver player-state >"$E2E_WORK/state.txt"
  check "$dpi DPI: the 40 Hz segment is named before Start" \
    "$(value labels | grep -cF 'At 60 Hz this display shows the 40,00 Hz of segment 2 as a 18,33 Hz flicker.')" 1

  driver player-click 28 >/dev/null
  driver editor-wait 10000 >/dev/null
  driver layout editor >"$E2E_WORK/editor-$dpi.txt"
  check "$dpi DPI: the editor opens at its smallest size, 840 x 732 scaled" \
    "$(value client "$E2E_WORK/editor-$dpi.txt")" "$(scaled 840 "$dpi"),$(scaled 732 "$dpi")"
  check "$dpi DPI: no text of the editor is cut $(grep '^cut\.' "$E2E_WORK/editor-$dpi.txt" | tr '\n' ' ')" \
    "$(value cut "$E2E_WORK/editor-$dpi.txt")" 0
  # The player's language is the editor's: its longer Russian words fit too.
  driver player-click 9 >/dev/null
  sleep 0.5
  driver layout editor >"$E2E_WORK/russian-$dpi.txt"
  check "$dpi DPI: nor in Russian $(grep '^cut\.' "$E2E_WORK/russian-$dpi.txt" | tr '\n' ' ')" \
    "$(value cut "$E2E_WORK/russian-$dpi.txt")" 0
  # 150 pixels wider and 20 taller (more would pass a screen of 1024 x 768):
  # the table and the picture take 10 each.
  IFS=, read -r _ _ w h <<<"$(driver editor-state | tr -d '\r' | sed -n 's/^rect=//p')"
  driver resize-editor $((w + 150)) $((h + 20))
  sleep 0.5
  driver layout editor >"$E2E_WORK/grown-$dpi.txt"
  grown() { awk -F'[=,]' -v a="$(value "child.$1" "$E2E_WORK/editor-$dpi.txt")" -v b="$(value "child.$1" "$E2E_WORK/grown-$dpi.txt")" \
    'BEGIN { split(a, x, ","); split(b, y, ","); print y[1]-x[1], y[2]-x[2], y[3]-x[3], y[4]-x[4] }'; }
  check "$dpi DPI: the table grows by 150 x 10" "$(grown 100)" "0 0 150 10"
  check "$dpi DPI: a field keeps its place below it" "$(grown 110)" "0 10 0 0"
  check "$dpi DPI: so does a voice's" "$(grown 175)" "0 10 0 0"
  check "$dpi DPI: the buttons keep to the right edge" "$(grown 101)" "150 0 0 0"
  check "$dpi DPI: the voices' list grows wide" "$(grown 170)" "0 10 150 0"
  check "$dpi DPI: the picture grows by 150 x 10" "$(grown 150)" "0 10 150 10"
  check "$dpi DPI: the grown editor cuts no text" "$(value cut "$E2E_WORK/grown-$dpi.txt")" 0

  driver player-pattern 1 >/dev/null
  driver player-click 10 >/dev/null
  driver wait-stimulation shown 10000 >/dev/null
  driver sample-screen 1500 20 $((width - 2)) $((height - 2)) >"$E2E_WORK/corner-$dpi.txt"
  driver state >"$E2E_WORK/state.txt"
  check "$dpi DPI: the full-screen window covers the screen in pixels" \
    "$(value stimulation.rect) $(value screen)" "0,0,$width,$height $width,$height"
  check "$dpi DPI: its far corner is lit" "$(awk '$2 + $3 + $4 > 0' "$E2E_WORK/corner-$dpi.txt" | wc -l | awk '{ print ($1 > 0) }')" 1
  stop_program
}

check_layout 96 1024 768
start_session_at 144 1536x1152
check_layout 144 1536 1152
finish
