#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run command need,
# the 32-bit Wine among them (which needs the i386 architecture).
# Idempotent: returns at once when everything is already present.
#   scripts/setup.sh
set -euo pipefail

packages=(
  cmake g++ make libgtest-dev libgmock-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils libasound2-plugins libasound2-plugins:i386 alsa-utils
  python3 file sox
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
has_i386=0
dpkg --print-foreign-architectures | grep -qx i386 && has_i386=1

if [ ${#missing[@]} -eq 0 ] && [ "$has_i386" = 1 ]; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [ "$has_i386" = 0 ]; then
  echo "setup: adding the i386 architecture (for the 32-bit Wine)" >&2
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}" >&2
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
