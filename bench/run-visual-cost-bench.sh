#!/usr/bin/env bash
# Cost benchmark under Wine: processor time of an exposure per second, for
# each visual pattern at 0.25, 7.80 and 30.00 Hz, at 1920 x 1080 and
# 3840 x 2160, with every tick drawing afresh and with only the changed
# frames drawn: the program's own (all its threads), the X server's and
# Wine's server's. The release build runs where 32-bit programs run, else
# the win64 build. Each size gets a display and a Wine session of its own.
# Stops exactly what it started.
#   bench/run-visual-cost-bench.sh [seconds per run]   (builds first)
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
seconds=${1:-5}
bash "$src/scripts/build.sh" win32 win64 >/dev/null
# shellcheck disable=SC1091
source "$src/scripts/lib/wine-env.sh"
dir=$(mktemp -d /tmp/visual-cost-bench.XXXXXX)
trap 'wine_env_stop "$dir"; rm -rf "$dir"' EXIT

# The pid of the wineserver of PREFIX: its working folder is named after
# the prefix's device and inode.
wineserver_pid() {
  local folder proc
  folder=$(printf 'server-%x-%x' "$(stat -c %d "$1")" "$(stat -c %i "$1")")
  for proc in /proc/[0-9]*; do
    case $(readlink "$proc/cwd" 2>/dev/null) in
      */"$folder") echo "${proc#/proc/}"; return 0 ;;
    esac
  done
  echo 0
}

for size in 1920x1080 3840x2160; do
  echo "== $size, load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
  TESSOVANT_SCREEN_SIZE=$size wine_env_start "$dir"
  (
    # shellcheck disable=SC1091
    source "$dir/env.sh"
    build=$(wine_env_choose_build "$root" visual-cost-bench "$TESSOVANT_RUNS_32BIT" \
            "$TESSOVANT_32BIT_NOTE")
    bench=$build/bench/visual/visual_cost_bench.exe
    # A server that stays for the whole run, so that its pid holds; Wine's
    # services keep the first process's output open: start them apart.
    "$WINESERVER" -w
    "$WINESERVER" -p
    "$WINE" cmd /c exit >/dev/null 2>&1
    xvfb=$(awk '$2 == "Xvfb" { print $1; exit }' "$dir/pids")
    "$(wine_env_loader "$bench")" "$bench" "$seconds" "$xvfb" "$(wineserver_pid "$WINEPREFIX")" |
      sed -u 's/\r$//'
  )
  wine_env_stop "$dir"
  echo "load average $(cut -d' ' -f1-3 /proc/loadavg) at the end"
done
