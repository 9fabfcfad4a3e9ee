#!/usr/bin/env bash
# Runs the high-contrast check of the panel under Wine.
#   run-contrast.sh
source "$(dirname "$0")/../common.sh"
exec timeout 50 "$WINE" "$TESSOVANT_WIN_DIR/tests/wine/panel/panel_contrast_check.exe"
