#!/usr/bin/env bash
# Builds the release target (win32) and writes the release archive
# build/release/tessovant-<version>-win32.zip: tessovant.exe, render-sound.exe,
# README.md, the session library sessions/*.txt and SHA256SUMS (sha256sum's
# format, covering every other file).
# The version is the project's (CMakeLists.txt). Prints the archive's path as
# its last line; the build's own output goes to standard error.
#   scripts/package.sh
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}

bash "$src/scripts/build.sh" win32 >&2
version=$(sed -n 's/^#define TESSOVANT_VERSION_TEXT "\(.*\)"$/\1/p' "$root/win32/resources/TessovantVersion.h")
[ -n "$version" ] || { echo "package: no version in $root/win32/resources/TessovantVersion.h" >&2; exit 1; }

archive=$root/release/tessovant-$version-win32.zip
stage=$root/release/.stage
rm -rf "$stage" "$archive"
mkdir -p "$stage/sessions"
cp "$root/win32/tessovant.exe" "$root/win32/render-sound.exe" "$src/README.md" "$stage/"
cp "$src"/sessions/*.txt "$stage/sessions/"
(
  cd "$stage"
  sha256sum tessovant.exe render-sound.exe README.md sessions/*.txt >SHA256SUMS
  python3 -m zipfile -c "$archive" tessovant.exe render-sound.exe README.md sessions SHA256SUMS
)
rm -rf "$stage"
echo "$archive"
