#!/usr/bin/env bash
# Runs one check of the visual screen test program under Wine.
#   run-check.sh smooth|discrete|circles|grid|none|teardown|leaks|periods|large
source "$(dirname "$0")/../common.sh"
exec timeout 90 "$WINE" "$TESSOVANT_WIN_DIR/tests/wine/visual/visual_screen_checks.exe" "$1"
