#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run command need,
# the 32-bit Wine among them (which needs the i386 architecture), and makes
# the locales en_US.UTF-8 and ru_RU.UTF-8, in which the tests run the session
# player: a Western code page with a Russian interface language.
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
  python3 file sox locales
)
locales=(en_US ru_RU)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
has_i386=0
dpkg --print-foreign-architectures | grep -qx i386 && has_i386=1

missing_locales=()
for l in "${locales[@]}"; do
  locale -a 2>/dev/null | grep -qx "$l.utf8" || missing_locales+=("$l")
done

if [ ${#missing[@]} -eq 0 ] && [ "$has_i386" = 1 ] && [ ${#missing_locales[@]} -eq 0 ]; then
  exit 0
fi

export DEBIAN_FRONTEND=noninteractive
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
if [ "$has_i386" = 0 ]; then
  echo "setup: adding the i386 architecture (for the 32-bit Wine)" >&2
  $SUDO dpkg --add-architecture i386
fi
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  echo "setup: installing ${missing[*]}" >&2
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
for l in "${missing_locales[@]}"; do
  echo "setup: making the locale $l.UTF-8" >&2
  $SUDO localedef -i "$l" -f UTF-8 "$l.UTF-8"
done
