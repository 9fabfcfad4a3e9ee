#!/usr/bin/env bash
# A release whose checksums cannot be matched by a second build: every
# executable of the win32 build, relinked in another folder, must come out
# byte for byte the same, and the release zip must not depend on its files'
# times or order.
#   reproducible_test.sh WIN32_BUILD_DIR
set -euo pipefail
build=${1:?win32 build directory}
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# CMake's link commands run in the target's folder with relative paths.
cp -a "$build" "$work/relink"
relinked=()
while read -r commands; do
  folder=$(dirname "$(dirname "$(dirname "$commands")")")
  exe=$(grep -o ' -o [^ ]*\.exe' "$commands" | cut -d' ' -f3) || continue
  rm "$folder/$exe"
  (cd "$folder" && bash -e "$commands" 2>&1) ||
    fail "relinking $exe failed"
  original=$build/${folder#"$work/relink/"}/$exe
  cmp "$original" "$folder/$exe" || fail "$exe relinked is not the same bytes"
  relinked+=("$(basename "$exe")")
done < <(cd "$work/relink" && find "$PWD" -path '*/CMakeFiles/*.dir/link.txt')
echo "relinked the same: ${relinked[*]}"
for exe in tessovant.exe render-sound.exe; do
  [[ " ${relinked[*]} " == *" $exe "* ]] || fail "$exe was not relinked"
done

# The same files, copied at different times and in a different order.
mkdir -p "$work/a" "$work/b"
cp -r "$src/README.md" "$src/LICENSE" "$src/docs" "$build/tessovant.exe" "$work/a/"
find "$work/a" -exec touch -d '2001-02-03 04:05:06' {} +
for f in $(cd "$work/a" && find . -type f | sort -r); do mkdir -p "$work/b/$(dirname "$f")"; cp "$work/a/$f" "$work/b/$f"; done
export SOURCE_DATE_EPOCH=1700000000
python3 "$src/scripts/lib/release_zip.py" "$work/a.zip" "$work/a"
python3 "$src/scripts/lib/release_zip.py" "$work/b.zip" "$work/b"
cmp "$work/a.zip" "$work/b.zip" || fail "two zips of the same files differ"
python3 -c 'import sys, zipfile; sys.exit(any(e.date_time != (2023, 11, 14, 22, 13, 20) for e in zipfile.ZipFile(sys.argv[1]).infolist()))' \
  "$work/a.zip" || fail "the entries are not dated SOURCE_DATE_EPOCH"
echo "reproducible: ok"
