#!/usr/bin/env bash
# The release archive as scripts/package.sh makes it: its path on the last
# line and its SHA-256 on standard error, the programs, the licence, the
# README with every page and picture it links to, the session library,
# checksums that verify and cover every other file, the release exe itself
# with the project's version in its version resource.
#   package_test.sh BUILD_ROOT VERSION
set -euo pipefail
root=${1:?build root} version=${2:?project version}
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

archive=$(TESSOVANT_BUILD_ROOT=$root bash "$src/scripts/package.sh" 2>"$work/build.log" | tail -1)
[ "$archive" = "$root/release/tessovant-$version-win32.zip" ] || fail "last line '$archive'"
python3 -m zipfile -e "$archive" "$work/x"
grep -qx "$(cd "$root/release" && sha256sum "$(basename "$archive")")" "$work/build.log" ||
  fail "the archive's SHA-256 is not on standard error"
listed="LICENSE README.md SHA256SUMS docs render-sound.exe sessions tessovant-session.exe tessovant.exe "
[ "$(ls "$work/x" | tr '\n' ' ')" = "$listed" ] ||
  fail "archive holds: $(ls "$work/x" | tr '\n' ' ')"
grep -q '^Copyright (c) 2026 the Tessovant authors$' "$work/x/LICENSE" || fail "no MIT licence"
diff -r "$src/sessions" "$work/x/sessions" >/dev/null || fail "sessions/ is not the library"
(cd "$work/x" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not verify"
summed=$(cut -d' ' -f3 "$work/x/SHA256SUMS" | sort)
present=$(cd "$work/x" && find . -type f ! -name SHA256SUMS | cut -c3- | sort)
[ "$summed" = "$present" ] || fail "SHA256SUMS does not cover every other file"
for page in "$work/x/README.md" "$work/x"/docs/*.md; do
  for link in $(grep -o '](\([^)#:]*\)' "$page" | cut -c3-); do
    [ -e "$(dirname "$page")/$link" ] || fail "$(basename "$page") links to $link, which is not in the archive"
  done
done
for exe in tessovant.exe tessovant-session.exe; do
  cmp -s "$work/x/$exe" "$root/win32/$exe" || fail "$exe is not the win32 build's"
  file "$work/x/$exe" | grep -q 'PE32 executable (GUI) Intel 80386' || fail "$exe is not a 32-bit GUI exe"
done

x86_64-w64-mingw32-windres -J coff -i "$work/x/tessovant.exe" -O rc >"$work/resources.rc"
numbers=$(echo "$version" | tr . ' ' | awk '{ printf "%d, %d, %d, 0", $1, $2, $3 }')
for line in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" 'BLOCK "041904E3"' \
            "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\"" \
            'VALUE "ProductName", "Tessovant"' 'VALUE "FileDescription", "Tessovant' \
            'VALUE "Translation", 0x419, 1251'; do
  grep -qF "$line" "$work/resources.rc" || fail "version resource lacks: $line"
done
echo "package: $archive verified"
