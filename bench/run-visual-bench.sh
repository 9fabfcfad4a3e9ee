#!/usr/bin/env bash
# Visual benchmark under Wine: tick intervals and drawing time per mode at
# 1024 x 768, 1920 x 1080, 2560 x 1440 and 3840 x 2160. Each size gets a
# display and a Wine session of its own from the test harness, since a session
# keeps the screen size it started on; the prefix is made once and copied.
# Stops exactly what it started.
#   bench/run-visual-bench.sh [seconds per mode]   (builds win64 first)
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
seconds=${1:-3}
bash "$src/scripts/build.sh" win64 >/dev/null
bench="$root/win64/bench/visual/visual_bench.exe"
dir=$(mktemp -d /tmp/visual-bench.XXXXXX)
running=""

cleanup() {
  if [ -n "$running" ]; then bash "$src/tests/wine/harness.sh" stop "$running" || true; fi
  rm -rf "$dir"
}
trap cleanup EXIT

prepared=""
for size in 1024x768 1920x1080 2560x1440 3840x2160; do
  echo "== $size"
  env_dir="$dir/$size"
  mkdir -p "$env_dir"
  if [ -n "$prepared" ]; then cp -a "$prepared" "$env_dir/prefix"; fi
  running=$env_dir
  TESSOVANT_SCREEN_SIZE=$size bash "$src/tests/wine/harness.sh" start "$env_dir" >/dev/null
  (
    # shellcheck disable=SC1091
    source "$env_dir/env.sh"
    # Wine's services keep the first process's output open: start them apart.
    "$WINE" cmd /c exit >/dev/null 2>&1
    "$WINE" "$bench" "$seconds"
  )
  bash "$src/tests/wine/harness.sh" stop "$env_dir"
  running=""
  prepared=${prepared:-$env_dir/prefix}
done
