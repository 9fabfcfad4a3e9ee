#!/usr/bin/env bash
# Visual benchmark under Wine: tick intervals and drawing time per mode at
# 1024 x 768, 1920 x 1080, 2560 x 1440 and 3840 x 2160. Each size gets a
# display and a Wine session of its own, since a session keeps the screen
# size it started on. Stops exactly what it started.
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

# One prefix; each size a display and a Wine session of its own.
for size in 1024x768 1920x1080 2560x1440 3840x2160; do
  echo "== $size"
  TESSOVANT_SCREEN_SIZE=$size wine_env_start "$dir"
  (
    # shellcheck disable=SC1091
    source "$dir/env.sh"
    # Wine's services keep the first process's output open: start them apart.
    "$WINE" cmd /c exit >/dev/null 2>&1
    "$WINE" "$bench" "$seconds"
  )
  wine_env_stop "$dir"
done
