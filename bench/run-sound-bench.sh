#!/usr/bin/env bash
# Times the synthesis of one sound block per mode, per colour of noise and
# of 16 voices, natively and as the win64 build under Wine (in a harness of
# its own, stopped again at the end); measures the colours' slopes and peaks
# over 40 minutes, natively; and times render-sound over a 40-minute session
# of 8 voices over pink noise, natively and under Wine: the release build
# (win32) where 32-bit programs run, else the win64 build, said which.
#   bench/run-sound-bench.sh [BLOCKS]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
blocks=${1:-100}
voices=$src/bench/sound/eight-voices.txt
"$src/scripts/build.sh" host win32 win64 >/dev/null

# The sound goes to a file in memory where there is a memory file system:
# Wine's standard output is slow enough (45 s for the 423 MB) to hide the
# synthesis.
scratch=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo /tmp )/sound-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# COMMAND...: renders the session with it, and says how many times faster
# than the session's 40 minutes.
times_real_time() {
  local start end
  start=$(date +%s.%N)
  "$@" --session "$voices" --raw --output "$scratch/voices.raw" </dev/null >/dev/null
  end=$(date +%s.%N)
  rm -f "$scratch/voices.raw"
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f s, %.0f times real time\n", e - s, 2400 / (e - s) }'
}

echo "== host, $blocks blocks per mode, frequency 7.80 Hz"
"$root/host/bench/sound-bench" "$blocks" 2>/dev/null
echo "== host, noise colours"
"$root/host/bench/noise-colours" 40
echo "== host, render-sound, 40 minutes of 8 voices over pink noise"
times_real_time "$root/host/render-sound"

# shellcheck disable=SC1091
source "$src/scripts/lib/wine-env.sh"
env_dir=$(mktemp -d)
trap 'wine_env_stop "$env_dir"; rm -rf "$env_dir" "$scratch"' EXIT
wine_env_start "$env_dir"
# shellcheck disable=SC1091
source "$env_dir/env.sh"
echo "== win64 under Wine, $blocks blocks per mode, frequency 7.80 Hz"
"$WINE" "$root/win64/bench/sound-bench.exe" "$blocks" 2>/dev/null | tr -d '\r'
runs=0
wine_env_32bit_loader_starts && runs=1
build=$(wine_env_choose_build "$root" run-sound-bench "$runs" "the 32-bit loader does not start")
echo "== $(basename "$build") render-sound.exe under Wine, 40 minutes of 8 voices over pink noise"
times_real_time "$(wine_env_loader "$build/render-sound.exe")" "$build/render-sound.exe"
