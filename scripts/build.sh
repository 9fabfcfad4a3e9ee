#!/usr/bin/env bash
# Builds the configurations: host (window-free code, unit tests and the Wine
# tests' registration), sanitize (the host's unit tests under AddressSanitizer
# and UndefinedBehaviorSanitizer), win32 (the release target) and win64 (what
# runs where 32-bit programs cannot).
#   scripts/build.sh [host|sanitize|win32|win64 ...]     default: win32 win64 host
# TESSOVANT_BUILD_ROOT chooses where (default: build/ in the checkout).
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
configs=("$@")
[ ${#configs[@]} -gt 0 ] || configs=(win32 win64 host)

for c in "${configs[@]}"; do
  args=(-S "$src" -B "$root/$c" -DCMAKE_BUILD_TYPE=Release)
  case "$c" in
    host)     args+=(-DTESSOVANT_WIN32_DIR="$root/win32" -DTESSOVANT_WIN64_DIR="$root/win64") ;;
    sanitize) args+=(-DTESSOVANT_SANITIZE=ON) ;;
    win32)    args+=(-DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake") ;;
    win64)    args+=(-DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-x86_64.cmake") ;;
    *) echo "build.sh: unknown configuration '$c' (host, sanitize, win32, win64)" >&2; exit 2 ;;
  esac
  cmake "${args[@]}" >/dev/null
  cmake --build "$root/$c" -j "$(nproc)"
done
