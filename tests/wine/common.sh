# Sourced by the Wine test scripts: the environment of harness.sh, the build
# under test (TESSOVANT_WIN_DIR, win32 or win64) with its Wine loader in
# $WINE, and helpers. A test of the 32-bit build on a machine where 32-bit
# programs do not run ends here, reported to CTest as skipped; so does a
# win64 stand-in for a release test on a machine where they do.
set -euo pipefail
: "${TESSOVANT_WINE_ENV:?run through ctest, which starts the harness}"
: "${TESSOVANT_WIN_DIR:?the directory of the Windows build under test}"
# shellcheck disable=SC1090
source "$TESSOVANT_WINE_ENV"
# shellcheck disable=SC1091
source "$TESSOVANT_SOURCE_DIR/scripts/lib/wine-env.sh"

WINE=$(wine_env_loader "$TESSOVANT_WIN_DIR/tessovant.exe")
if [ "$WINE" = "$WINE32" ] && [ "$TESSOVANT_RUNS_32BIT" != 1 ]; then
  echo "SKIPPED: the 32-bit release build was not run: 32-bit programs do not run on this machine" \
       "($TESSOVANT_32BIT_NOTE)"
  exit 77
fi
if [ "${TESSOVANT_FALLBACK_ONLY:-0}" = 1 ] && [ "$TESSOVANT_RUNS_32BIT" = 1 ]; then
  echo "SKIPPED: the win64 build stands in only where the release build cannot run; it ran here"
  exit 77
fi

# Runs a Win32 program whose sound is captured into FILE.
wine_with_capture() {
  local file=$1; shift
  local home
  home=$(mktemp -d "$TESSOVANT_WINE_ENV_DIR/home.XXXXXX")
  capture_home "$home" "$file"
  HOME="$home" PULSE_SERVER=unix:/nonexistent "$WINE" "$@"
}

# Runs a Win32 program with no audio device reachable at all.
wine_without_audio() {
  local home
  home=$(mktemp -d "$TESSOVANT_WINE_ENV_DIR/home.XXXXXX")
  HOME="$home" PULSE_SERVER=unix:/nonexistent "$WINE" "$@"
}
