#!/usr/bin/env bash
# The build's render-sound.exe against the host's, bit for bit: every mode
# across the wrap of the frame counter at 2^32, and the noise modes deep into
# it, where doubles with longer intermediates (the x87 unit's) round
# differently in the last bit; a session's fades, 64-bit integer
# arithmetic that a 32-bit build does through library calls; and a session of
# voices of every kind, sliding, following the frequency and carried into a
# second segment, whose sine is the program's own and not the C runtime's;
# and an .sbg file as each build imports it.
set -euo pipefail
source "$(dirname "$0")/../common.sh"
work=$(mktemp -d "$TESSOVANT_WINE_ENV_DIR/render.XXXXXX")
trap 'rm -rf "$work"' EXIT

blocks=8
# Eight blocks from here: four before the wrap, four after.
wrap=$((4294967296 - 4 * 11025))
failed=0
for case in "0 780 $wrap" "1 4999 $wrap" "2 1234 $wrap" "3 4999 $wrap" "4 15 $wrap" \
            "3 4999 4000000000" "4 15 3000000000"; do
  read -r mode frequency position <<<"$case"
  args=(--mode "$mode" --frequency "$frequency" --position "$position" --blocks "$blocks" --raw)
  "$TESSOVANT_HOST_DIR/render-sound" "${args[@]}" --output "$work/host.raw"
  "$WINE" "$TESSOVANT_WIN_DIR/render-sound.exe" "${args[@]}" --output "$work/windows.raw" \
    </dev/null >/dev/null 2>"$work/wine.log" || { cat "$work/wine.log"; exit 1; }
  differing=$({ cmp -l "$work/host.raw" "$work/windows.raw" 2>&1 || true; } | wc -l)
  echo "mode $mode, $frequency, from $position: $differing of $((blocks * 44100)) bytes differ"
  [ "$differing" = 0 ] || failed=1
done
printf 'fade-in 0.5s\r\n2s 4 7.8 12\r\nfade-out 0.75s\r\n' > "$work/faded.txt"
printf '%s\n' '20s 0 10 12 noise pink 10' '  binaural 200..150 f 10' '  monaural 300 -7.5 5..8' \
  '  isochronic 250 f 5 smooth' '  isochronic 180 3..9 5 square' '  tone 100 4 triangle' \
  '  tone 440 3 saw' '  noise brown 10..0' '1.5m 0 12 4' '  binaural 150 f 10' \
  '  monaural 300 -7.5 8' '  isochronic 250 f 5' '  isochronic 180 9 5 triangle' \
  '  tone 100 4 square' '  tone 440..20000 3 saw' '  spin 300..2000 f 20 brown' \
  '  bell 2050 30' > "$work/voices.txt"
# An .sbg file, imported by each build: spins of the noise and bells that
# ring on past their segments.
printf '%s\n' '-SE' 'off: -' 'a: 200+10/20 pink/30 spin:300+4/20' \
  'b: 300@6/20 wspin:100+2/10 bell+2050/20' '0:00 off ->' '0:00:10 a' '0:00:30 b' \
  '0:00:40 == a ->' '0:01 off' > "$work/spins.sbg"
for session in faded.txt voices.txt spins.sbg; do
  "$TESSOVANT_HOST_DIR/render-sound" --session "$work/$session" --raw --output "$work/host.raw"
  "$WINE" "$TESSOVANT_WIN_DIR/render-sound.exe" --session "$work/$session" --raw \
    --output "$work/windows.raw" </dev/null >/dev/null 2>"$work/wine.log" ||
    { cat "$work/wine.log"; exit 1; }
  cmp -s "$work/host.raw" "$work/windows.raw" || { echo "the $session session differs"; failed=1; }
done
exit $failed
