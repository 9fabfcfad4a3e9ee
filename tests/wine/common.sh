# Sourced by the Wine test scripts: the environment of harness.sh and helpers.
set -euo pipefail
: "${TESSOVANT_WINE_ENV:?run through ctest, which starts the harness}"
# shellcheck disable=SC1090
source "$TESSOVANT_WINE_ENV"
: "${TESSOVANT_WIN64_DIR:?the win64 build directory}"

# A HOME for a Wine process whose sound goes, exactly as written, into FILE,
# through ALSA's file plugin with the PulseAudio null sink pacing it in real
# time. Wine's own PulseAudio driver is kept away so that it falls back to ALSA.
capture_home() {
  local home=$1 file=$2
  mkdir -p "$home"
  cat > "$home/.asoundrc" <<ASOUND
pcm.!default {
  type file
  slave.pcm { type pulse; server "unix:$TESSOVANT_PULSE_SOCKET" }
  file "$file"
  format "raw"
}
ASOUND
}

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

# Runs a Win32 program with the Windows-1251 code page, as a Russian user has.
wine_russian() {
  LC_ALL=ru_RU.UTF-8 "$WINE" "$@" 2>/dev/null
}
