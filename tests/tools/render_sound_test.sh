#!/usr/bin/env bash
# render-sound as a user runs it: exit codes, one-line errors on standard
# error with nothing on standard output, and the bytes it writes.
set -euo pipefail
tool=${1:?path to render-sound}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expect_usage_error() {
  local name=$1; shift
  set +e
  "$tool" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  set -e
  [ "$status" -eq 2 ] || fail "$* exited $status, not 2"
  [ ! -s "$work/out" ] || fail "$* wrote to standard output"
  [ "$(wc -l < "$work/err")" -eq 1 ] || fail "$* did not write exactly one line"
  grep -q -- "$name" "$work/err" || fail "$*: '$(cat "$work/err")' does not name $name"
}

expect_usage_error --mode --mode 5 --frequency 780 --blocks 1
expect_usage_error --frequency --mode 1 --frequency 5001 --blocks 1
expect_usage_error --blocks --mode 1 --frequency 780
expect_usage_error --position --mode 1 --frequency 780 --blocks 1 --position -3
expect_usage_error --seed --mode 1 --frequency 780 --blocks 1 --seed abc

# A WAV to standard output: 44-byte header, then 11025 frames a block.
"$tool" --mode 1 --frequency 780 --blocks 3 > "$work/a.wav"
[ "$(stat -c %s "$work/a.wav")" -eq $((44 + 3 * 44100)) ] || fail "WAV size"
[ "$(head -c 4 "$work/a.wav")" = RIFF ] || fail "RIFF tag"
# Frame 1 of mode 1 at 780: 1106, 1143 (little-endian).
[ "$(od -An -tx1 -j48 -N4 "$work/a.wav" | tr -d ' ')" = "52047704" ] || fail "frame 1"

# Raw output holds the same frames without the header.
"$tool" --mode 1 --frequency 780 --blocks 3 --raw --output "$work/a.raw"
cmp -s <(tail -c +45 "$work/a.wav") "$work/a.raw" || fail "raw differs from WAV data"

# Blocks follow each other like the worker's: rendering from position 11025
# gives the second block of a render from 0, and the seed continues.
"$tool" --mode 4 --frequency 780 --blocks 2 --raw > "$work/two.raw"
"$tool" --mode 1 --frequency 780 --blocks 1 --raw --position 11025 > "$work/second1.raw"
cmp -s <(tail -c +44101 "$work/a.raw" | head -c 44100) "$work/second1.raw" || fail "position"
# 1556863056 is the generator's state after one block's 11025 draws from 1.
"$tool" --mode 4 --frequency 780 --blocks 1 --raw --position 11025 --seed 1556863056 > "$work/second4.raw"
cmp -s <(tail -c +44101 "$work/two.raw") "$work/second4.raw" || fail "generator continuation"
echo "render-sound: all checks passed"
