#!/usr/bin/env bash
# Builds the program and starts it. On Linux it runs under Wine, the 64-bit
# build of the same sources (32-bit Windows programs need a 32-bit Wine that
# is not always available), on your display, with the code page 1251 so that
# the Russian texts read right, in a Wine prefix of its own. Without a
# reachable display it runs the headless demonstration (scripts/demo.sh)
# and prints where its screenshots and sound went.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}

bash "$src/scripts/setup.sh"
bash "$src/scripts/build.sh" win64

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  echo "run: no display reachable; running the headless demonstration instead" >&2
  exec bash "$src/scripts/demo.sh" "$@"
fi

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver
prefix=${TESSOVANT_WINE_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/tessovant/wine}
if [ ! -f "$prefix/.ready" ]; then
  echo "run: creating the Wine prefix $prefix (once)" >&2
  mkdir -p "$prefix"
  WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    "$wine" wineboot -i >/dev/null 2>&1
  WINEPREFIX="$prefix" "$wineserver" -w
  touch "$prefix/.ready"
fi
# bash would only warn that the glibc locale is not installed; Wine needs
# just the name to choose the code page.
exec env LC_ALL=ru_RU.UTF-8 WINEPREFIX="$prefix" WINEDEBUG=-all "$wine" "$root/win64/tessovant.exe"
