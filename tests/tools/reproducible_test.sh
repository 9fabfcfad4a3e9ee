#!/usr/bin/env bash
# A release whose checksum no second build can match: every executable of the
# win32 build, relinked in another folder, must be the same bytes, and the
# release zip must not depend on its files' times or order.
#   reproducible_test.sh WIN32_BUILD_DIR
set -euo pipefail
build=${1:?win32 build directory}
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# CMake's link commands run in the target's folder, with relative paths.
# Programs built only on demand (the seam's link check) may not be there.
cp -a "$build" "$work/relink"
relinked=""
for commands in $(find "$work/relink" -path '*/CMakeFiles/*.dir/link.txt'); do
  folder=${commands%/CMakeFiles/*} exe=$(grep -o ' -o [^ ]*\.exe' "$commands" | cut -d' ' -f3) || continue
  [ -f "$folder/$exe" ] || continue
  rm "$folder/$exe"
  (cd "$folder" && bash -e "$commands" >&2) || fail "relinking $exe failed"
  cmp "$build/${folder#"$work/relink/"}/$exe" "$folder/$exe" || fail "$exe relinked is other bytes"
  relinked+=" $(basename "$exe")"
done
echo "relinked the same:$relinked"
[[ "$relinked " == *" tessovant.exe "* && "$relinked " == *" render-sound.exe "* ]] || fail "the programs were not relinked"

# The same files, copied at other times and in the reverse order.
mkdir "$work/a" "$work/b"
cp -r "$src/README.md" "$src/LICENSE" "$src/docs" "$build/tessovant.exe" "$work/a/"
find "$work/a" -exec touch -d '2001-02-03 04:05:06' {} +
for f in $(cd "$work/a" && find . -type f | sort -r); do install -D "$work/a/$f" "$work/b/$f"; done
export SOURCE_DATE_EPOCH=1700000000
python3 "$src/scripts/lib/release_zip.py" "$work/a.zip" "$work/a"
python3 "$src/scripts/lib/release_zip.py" "$work/b.zip" "$work/b"
cmp "$work/a.zip" "$work/b.zip" || fail "two zips of the same files differ"
python3 -c 'import sys, zipfile; sys.exit(any(e.date_time != (2023, 11, 14, 22, 13, 20) for e in zipfile.ZipFile(sys.argv[1]).infolist()))' \
  "$work/a.zip" || fail "the entries are not dated SOURCE_DATE_EPOCH"
echo "reproducible: ok"
