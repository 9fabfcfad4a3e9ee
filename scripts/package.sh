#!/usr/bin/env bash
# Builds the release target (win32) and writes the release archive
# build/release/tessovant-<version>-win32.zip: the programs, README.md with
# the docs/ it links to, LICENSE, the session library sessions/*.txt and
# SHA256SUMS (sha256sum's format, covering every other file). The version is
# the project's (CMakeLists.txt). One commit gives one archive, byte for byte:
# the entries are in a fixed order and dated SOURCE_DATE_EPOCH, by default the
# time of the commit. Prints the archive's SHA-256 on standard error and its
# path as its last line; the build's own output goes to standard error.
#   scripts/package.sh
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
programs=(tessovant.exe tessovant-session.exe render-sound.exe)

bash "$src/scripts/build.sh" win32 >&2
version=$(sed -n 's/^#define TESSOVANT_VERSION_TEXT "\(.*\)"$/\1/p' "$root/win32/resources/TessovantVersion.h")
[ -n "$version" ] || { echo "package: no version in $root/win32/resources/TessovantVersion.h" >&2; exit 1; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$src" log -1 --format=%ct 2>/dev/null || echo 0)}

archive=$root/release/tessovant-$version-win32.zip
stage=$root/release/.stage
rm -rf "$stage" "$archive"
mkdir -p "$stage/sessions"
for program in "${programs[@]}"; do cp "$root/win32/$program" "$stage/"; done
cp "$src/README.md" "$src/LICENSE" "$stage/"
cp -r "$src/docs" "$stage/docs"
cp "$src"/sessions/*.txt "$stage/sessions/"
(
  cd "$stage"
  find . -type f | sed 's|^\./||' | LC_ALL=C sort | xargs -d '\n' sha256sum >"$stage.sums"
  mv "$stage.sums" SHA256SUMS
)
python3 "$src/scripts/lib/release_zip.py" "$archive" "$stage"
rm -rf "$stage"
(cd "$(dirname "$archive")" && sha256sum "$(basename "$archive")") >&2
echo "$archive"
