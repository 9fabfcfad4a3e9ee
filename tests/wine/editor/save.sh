#!/usr/bin/env bash
# Runs the save check under Wine, in a folder of its own that it empties.
#   save.sh
source "$(dirname "$0")/../common.sh"
work=$TESSOVANT_WINE_ENV_DIR/editor-save
rm -rf "$work"
mkdir -p "$work"
exec timeout 50 "$WINE" "$TESSOVANT_WIN_DIR/tests/wine/editor/save_check.exe" \
  "Z:$(printf '%s' "$work" | tr / '\\')"
