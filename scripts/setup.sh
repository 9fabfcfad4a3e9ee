#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run command need.
# Idempotent: returns at once when everything is already present.
set -euo pipefail

packages=(
  cmake g++ make libgtest-dev libgmock-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64
  xvfb xauth xdotool x11-utils imagemagick
  pulseaudio pulseaudio-utils libasound2-plugins alsa-utils
  python3 file sox
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
