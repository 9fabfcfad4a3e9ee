#!/usr/bin/env bash
# Builds the program and starts it under Wine on your display: the release
# build (win32) where 32-bit programs run, else the 64-bit build of the same
# sources; its first line says which. Wine runs in a prefix of its own with
# the code page 1251, so that the Russian texts read right. Without a
# reachable display it runs the headless demonstration (scripts/demo.sh) and
# prints where its screenshots and sound went.
#   scripts/run.sh
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
# shellcheck disable=SC1091
source "$src/scripts/lib/wine-env.sh"

bash "$src/scripts/setup.sh"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  # It says first which build it runs, and builds that.
  TESSOVANT_DEMO_BUILDS=1 exec bash "$src/scripts/demo.sh" "$@"
fi

prefix=${TESSOVANT_WINE_PREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/tessovant/wine}
wine_env_make_prefix "$prefix" || { echo "run: the Wine prefix $prefix could not be made" >&2; exit 1; }
wine_env_probe_32bit "$prefix" ||
  echo "run: the 32-bit probe broke ($WINE_ENV_32BIT_NOTE); scripts/test.sh fails on that" >&2
windows=$(wine_env_choose_build "$root" run "$WINE_ENV_RUNS_32BIT" "$WINE_ENV_32BIT_NOTE")
bash "$src/scripts/build.sh" "$(basename "$windows")"
exe=$windows/tessovant.exe
# bash would only warn that the glibc locale is not installed; Wine needs
# just the name to choose the code page.
exec env LC_ALL=ru_RU.UTF-8 WINEPREFIX="$prefix" WINEDEBUG=-all "$(wine_env_loader "$exe")" "$exe"
