#!/usr/bin/env bash
# session_clock.sh [PLAY_MS]: a session's light starts with its first frame
# heard and keeps within a block of its sound (session_clock_check.exe).
set -euo pipefail
source "$(dirname "$0")/../common.sh"
capture=$(mktemp "$TESSOVANT_WINE_ENV_DIR/session-clock.XXXXXX")
trap 'rm -f "$capture"' EXIT
wine_with_capture "$capture" "$TESSOVANT_WIN_DIR/tests/wine/exposure/session_clock_check.exe" \
  "${1:-6000}" 2>/dev/null | tr -d '\r'
