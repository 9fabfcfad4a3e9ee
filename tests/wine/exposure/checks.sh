#!/usr/bin/env bash
# checks.sh: the exposure control's checks under Wine without a sound device,
# whose retries must hold nothing up (ALSA's complaint at each is dropped).
set -euo pipefail
source "$(dirname "$0")/../common.sh"
wine_without_audio "$TESSOVANT_WIN_DIR/tests/wine/exposure/exposure_checks.exe" 2>/dev/null
