#!/usr/bin/env bash
# Times the synthesis of one sound block per mode and per colour of noise,
# natively and as the win64 build under Wine (in a harness of its own,
# stopped again at the end); measures the colours' slopes and peaks over 40
# minutes, natively.
#   bench/run-sound-bench.sh [BLOCKS]
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
blocks=${1:-100}
"$src/scripts/build.sh" host win64 >/dev/null

echo "== host, $blocks blocks per mode, frequency 7.80 Hz"
"$root/host/bench/sound-bench" "$blocks" 2>/dev/null
echo "== host, noise colours"
"$root/host/bench/noise-colours" 40

# shellcheck disable=SC1091
source "$src/scripts/lib/wine-env.sh"
env_dir=$(mktemp -d)
trap 'wine_env_stop "$env_dir"; rm -rf "$env_dir"' EXIT
wine_env_start "$env_dir"
# shellcheck disable=SC1091
source "$env_dir/env.sh"
echo "== win64 under Wine, $blocks blocks per mode, frequency 7.80 Hz"
"$WINE" "$root/win64/bench/sound-bench.exe" "$blocks" 2>/dev/null | tr -d '\r'
