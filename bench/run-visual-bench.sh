#!/usr/bin/env bash
# Visual benchmark under Wine: tick intervals and drawing time per mode, on a
# 1024 x 768 and a 1920 x 1080 virtual display. Stops exactly what it started.
#   bench/run-visual-bench.sh [seconds per mode]   (builds win64 first)
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
seconds=${1:-3}
bash "$src/scripts/build.sh" win64 >/dev/null
bench="$root/win64/bench/visual/visual_bench.exe"
# shellcheck disable=SC1091
source "$src/scripts/lib/wine-env.sh"
dir=$(mktemp -d /tmp/visual-bench.XXXXXX)
trap 'wine_env_stop "$dir"; rm -rf "$dir"' EXIT

# One prefix; each size a display and a Wine session of its own, since a
# session keeps the screen size it first saw.
for size in 1024x768 1920x1080; do
  echo "== ${size/x/ x }"
  TESSOVANT_SCREEN_SIZE=$size wine_env_start "$dir"
  # shellcheck disable=SC1091
  source "$dir/env.sh"
  "$WINE" "$bench" "$seconds"
  wine_env_stop "$dir"
done
