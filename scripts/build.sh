#!/usr/bin/env bash
# Builds the three configurations: host (window-free code and unit tests),
# win32 (the release target) and win64 (what runs under Wine here).
#   scripts/build.sh [host|win32|win64 ...]     default: all three
# TESSOVANT_BUILD_ROOT chooses where (default: build/ in the checkout).
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
configs=("$@")
[ ${#configs[@]} -gt 0 ] || configs=(win32 win64 host)

for c in "${configs[@]}"; do
  args=(-S "$src" -B "$root/$c" -DCMAKE_BUILD_TYPE=Release)
  case "$c" in
    host)  args+=(-DTESSOVANT_WIN64_DIR="$root/win64") ;;
    win32) args+=(-DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake") ;;
    win64) args+=(-DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-x86_64.cmake") ;;
    *) echo "build.sh: unknown configuration '$c' (host, win32, win64)" >&2; exit 2 ;;
  esac
  cmake "${args[@]}" >/dev/null
  cmake --build "$root/$c" -j "$(nproc)"
done
