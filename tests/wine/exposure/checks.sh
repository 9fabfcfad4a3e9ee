#!/usr/bin/env bash
# Runs the exposure control's checks under Wine, without a sound device: the
# audio worker's retries must not hold anything up.
#   checks.sh
set -euo pipefail
source "$(dirname "$0")/../common.sh"
# ALSA reports the missing device on stderr at every attempt.
wine_without_audio "$TESSOVANT_WIN_DIR/tests/wine/exposure/exposure_checks.exe" 2>/dev/null
