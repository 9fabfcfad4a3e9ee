#!/usr/bin/env bash
# Visual benchmark under Wine: tick intervals and drawing time per mode, on a
# 1024 x 768 virtual display (the test harness) and on a 1920 x 1080 one that
# this script starts itself. Stops exactly what it started.
#   bench/run-visual-bench.sh [seconds per mode]   (builds win64 first)
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
seconds=${1:-3}
bash "$src/scripts/build.sh" win64 >/dev/null
bench="$root/win64/bench/visual/visual_bench.exe"
dir=$(mktemp -d /tmp/visual-bench.XXXXXX)
xvfb_pid=""

cleanup() {
  [ -f "$dir/env.sh" ] && bash "$src/tests/wine/harness.sh" stop "$dir" || true
  if [ -n "$xvfb_pid" ]; then
    [ -d "$dir/prefix" ] && WINEPREFIX="$dir/prefix" "${WINESERVER:-/usr/lib/wine/wineserver64}" -k 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$dir"
}
trap cleanup EXIT

echo "== 1024 x 768"
bash "$src/tests/wine/harness.sh" start "$dir" >/dev/null
# shellcheck disable=SC1091
source "$dir/env.sh"
"$WINE" "$bench" "$seconds"
bash "$src/tests/wine/harness.sh" stop "$dir"

echo "== 1920 x 1080"
display=""
for n in $(seq 200 299); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >"$dir/xvfb-1080.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && { display=":$n"; break; }
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  [ -n "$display" ] && break
  kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
[ -n "$display" ] || { echo "no 1920 x 1080 display could be started" >&2; exit 1; }
DISPLAY=$display WINEPREFIX="$dir/prefix" WINEDEBUG=-all "$WINE" "$bench" "$seconds"
