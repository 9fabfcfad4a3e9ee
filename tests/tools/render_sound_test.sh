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

# Which arguments are refused, and how, the unit tests show; here, that a
# refusal reaches the user so.
expect_usage_error --frequency --mode 1 --frequency 5001 --blocks 1

# A session is checked whole before anything is written: a bad line late in
# the file leaves no output file, and an existing one untouched.
printf '# wind-down\n1s 1 7.8\n\n2s 1 12 50.01\n' > "$work/bad.txt"
expect_usage_error 'session line 4: frequency 50.01 is out of range 0.10..50.00' \
  --session "$work/bad.txt" --output "$work/new.wav"
[ ! -e "$work/new.wav" ] || fail "a refused session created its output file"
echo keep > "$work/old.wav"
expect_usage_error 'session line 1: mode 7' --session - --output "$work/old.wav" <<< '1s 7 7.8'
[ "$(cat "$work/old.wav")" = keep ] || fail "a refused session truncated its output file"
expect_usage_error 'no segment' --session - < /dev/null
expect_usage_error "cannot read session file '$work/none.txt'" --session "$work/none.txt"
expect_usage_error 'cannot go with --blocks' --session - --blocks 3 <<< '1s 1 7.8'

# A WAV to standard output: 44-byte header, then 11025 frames a block.
"$tool" --mode 1 --frequency 780 --blocks 3 > "$work/a.wav"
[ "$(stat -c %s "$work/a.wav")" -eq $((44 + 3 * 44100)) ] || fail "WAV size"
# The header for 3 blocks (its fields are checked by the unit tests).
[ "$(head -c 44 "$work/a.wav" | od -An -tx1 | tr -d ' \n')" = \
  52494646f004020057415645666d7420100000000100020044ac000010b102000400100064617461cc040200 ] ||
  fail "WAV header"
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
# A session from standard input, CRLF line ends and all, is the same sound as
# the command line's; --minutes counts 240 blocks a minute, rounded up.
printf '1s 1 7,80 # four blocks\r\n' | "$tool" --session - > "$work/session.wav"
"$tool" --mode 1 --frequency 780 --blocks 4 > "$work/four.wav"
cmp -s "$work/session.wav" "$work/four.wav" || fail "session from standard input"
"$tool" --mode 1 --frequency 780 --minutes 0.01 --raw > "$work/minutes.raw"
cmp -s "$work/minutes.raw" "$work/a.raw" || fail "--minutes 0.01 is not 3 blocks"

# Progress goes to standard error only when that is a terminal: a pipe or a
# file stays clean, a terminal (emulated by script) sees the block count.
"$tool" --mode 0 --frequency 780 --blocks 400 --raw --output /dev/null 2>"$work/quiet.err"
[ ! -s "$work/quiet.err" ] || fail "progress written to a file: $(cat "$work/quiet.err")"
if command -v script >/dev/null; then
  script -qec "'$tool' --mode 0 --frequency 780 --blocks 400 --raw --output /dev/null" \
    /dev/null > "$work/terminal.out" </dev/null
  grep -q "400 of 400 blocks" "$work/terminal.out" || fail "no progress on a terminal"
  # Over the whole session, not per segment.
  printf '50s 0 7\n50s 1 7\n' > "$work/long.txt"
  script -qec "'$tool' --session '$work/long.txt' --raw --output /dev/null" \
    /dev/null > "$work/terminal.out" </dev/null
  grep -q "200 of 400 blocks (50%)" "$work/terminal.out" || fail "no progress over a session"
fi
# Music is found beside the session file and checked before anything is
# written: a missing file is refused on its line, named as looked for.
printf '1s 1 7.8\nmusic rain at night.wav 40\n' > "$work/music.txt"
expect_usage_error "session line 2: music file '$work/rain at night.wav' does not exist" \
  --session "$work/music.txt" --output "$work/music-out.wav"
[ ! -e "$work/music-out.wav" ] || fail "a session with missing music created its output file"

# The full schedule adds each block's levels and light to the schedule's
# fields, which stay as they are.
levels='music rain.wav 40\n0.25s 1 7.8 volume 20 noise brown 35 light 2 colour #FFBF00\n0.25s 0 7\n'
printf "$levels" | "$tool" --session - --schedule-full > "$work/full.txt"
printf "$levels" | "$tool" --session - --schedule > "$work/plain.txt"
[ "$(cat "$work/full.txt")" = "$(printf 'blocks 2 fade-in 0 fade-out 0\n%s\n%s' \
  '0 0 1 780 20 brown 35 40 2 100 #FFBF00' '1 1 0 700 100 none 0 40 -1 100 #FFFFFF')" ] ||
  fail "full schedule: $(cat "$work/full.txt")"
[ "$(cut -d' ' -f1-4 "$work/full.txt" | sed 1d)" = "$(sed 1d "$work/plain.txt")" ] ||
  fail "the schedule's fields differ from the full schedule's first four"

# Voices add five fields each, at the block's first frame; a voice line is
# refused as any bad line, before anything is written.
voices='1s 0 10 12\n  binaural 200..300 f 15\n  isochronic 300 5..10 10 square\n  noise pink 20\n'
printf "$voices" | "$tool" --session - --schedule-full | sed -n '3p;5p' > "$work/voices.txt"
[ "$(cat "$work/voices.txt")" = "$(printf '%s\n%s' \
  '1 0 0 1066 100 none 0 0 -1 100 #FFFFFF binaural 22500 1066 1500 - isochronic 30000 625 1000 square noise - - 2000 pink' \
  '3 0 0 1200 100 none 0 0 -1 100 #FFFFFF binaural 27500 1200 1500 - isochronic 30000 875 1000 square noise - - 2000 pink')" ] ||
  fail "voices in the full schedule: $(cat "$work/voices.txt")"
printf '1s 0 10\n  binaural 200 10 15\n  tone 200 100.001\n' > "$work/voice.txt"
expect_usage_error "session line 3: level '100.001' is not a per cent" \
  --session "$work/voice.txt" --output "$work/voice.wav"
[ ! -e "$work/voice.wav" ] || fail "a refused voice line created the output file"

# A mix that clamps says so in one line; the sessions above said nothing.
printf '1s 1 7.8\n1s 1 7.8 volume 90 noise white 60\n' |
  "$tool" --session - --raw --output /dev/null 2>"$work/clamp.err"
grep -qx 'render-sound: [0-9]* samples clamped in segments 2 (line 2)' "$work/clamp.err" ||
  fail "no clamp line: $(cat "$work/clamp.err")"

# A write that fails (beyond a file size limit of 1 KiB), and music that can
# no longer be read halfway (cut short while a paced pipe holds the render
# back), stop the render with exit 1 and one line; a failed output file is
# removed.
status=0
(ulimit -f 1; trap '' XFSZ; exec "$tool" --mode 1 --frequency 780 --blocks 2 --output "$work/big.wav") \
  2>"$work/big.err" || status=$?
[ "$status" -eq 1 ] || fail "a failed write exited $status"
[ "$(cat "$work/big.err")" = 'render-sound: writing the sound failed' ] && [ ! -e "$work/big.wav" ] ||
  fail "a failed write: $(cat "$work/big.err"), or its output file left"
"$tool" --mode 1 --frequency 780 --blocks 4 --output "$work/loop.wav"
printf 'music loop.wav 50\n60s 1 7.8\n' > "$work/long-music.txt"
mkfifo "$work/pipe"
"$tool" --session "$work/long-music.txt" --raw --output "$work/pipe" 2>"$work/cut.err" &
render=$!
exec 3<"$work/pipe"
head -c 88200 <&3 >/dev/null
: > "$work/loop.wav"
cat <&3 >/dev/null
status=0
wait "$render" || status=$?
[ "$status" -eq 1 ] || fail "a music file cut short halfway exited $status"
[ "$(cat "$work/cut.err")" = "render-sound: reading music file '$work/loop.wav' failed" ] ||
  fail "music read error: $(cat "$work/cut.err")"
# An .sbg file, known by its name: its conversion renders to the same bytes,
# spins, bells, music and all; --minutes renders its first blocks, as they
# are in the whole, and stops at -E's end;
# a line it cannot play is refused as any bad line; our own files still
# refuse --minutes, and only an .sbg file converts.
"$tool" --mode 1 --frequency 780 --blocks 4 --output "$work/rain.wav"
printf '%s\n' '## a test' '-SE -m rain.wav' 'off: -' 'a: 200+10/20 pink/30 spin:300+4/20 mix/30' \
  'b: 300@6/20 bspin:100+2/10 bell+2050/20 mix/10' '0:00 off ->' '0:00:10 a' '0:00:30 b' \
  '0:00:40 == a ->' '0:01 off' > "$work/two.sbg"
"$tool" --session "$work/two.sbg" --convert --output "$work/two.txt"
grep -qx 'music rain.wav 0' "$work/two.txt" && grep -qx '  bell 2050 20' "$work/two.txt" ||
  fail "the conversion: $(cat "$work/two.txt")"
"$tool" --session "$work/two.sbg" --raw --output "$work/two-sbg.raw"
"$tool" --session "$work/two.txt" --raw --output "$work/two-txt.raw"
[ "$(stat -c %s "$work/two-sbg.raw")" -eq $((240 * 44100)) ] || fail "the .sbg file's length"
cmp -s "$work/two-sbg.raw" "$work/two-txt.raw" || fail "the conversion sounds otherwise"
"$tool" --session "$work/two.sbg" --minutes 0.1 --raw --output "$work/cut.raw"
[ "$(stat -c %s "$work/cut.raw")" -eq $((24 * 44100)) ] &&
  cmp -s -n $((24 * 44100)) "$work/cut.raw" "$work/two-sbg.raw" || fail "--minutes 0.1"
"$tool" --session "$work/two.sbg" --minutes 9 --schedule | head -1 | grep -qx 'blocks 240 fade-in 0 fade-out 0' ||
  fail "--minutes beyond -E"
printf '%s\n' '-SE' 'a: 200+4/10 noise12/5' '0:00 a' > "$work/bad.sbg"
expect_usage_error "session line 2: 'noise12/5': noiseNN voices cannot be imported" \
  --session "$work/bad.sbg" --output "$work/bad.wav"
[ ! -e "$work/bad.wav" ] || fail "a refused .sbg file created its output file"
expect_usage_error 'cannot go with --minutes' --session "$work/voice.txt" --minutes 1
expect_usage_error '--convert writes an .sbg file' --session "$work/voice.txt" --convert
expect_usage_error 'it takes no --minutes' --session "$work/two.sbg" --convert --minutes 1
echo "render-sound: all checks passed"
