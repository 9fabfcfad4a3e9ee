#!/usr/bin/env bash
# Catches a release build whose sound synthesis or patterns compute doubles
# on the x87 unit (80-bit intermediates make them differ from the host's),
# without running it: disassembles the code of those source files, found
# through the link map beside each executable (so also when stripped), and
# looks for x87 instructions other than moving a double in or out of st(0),
# where the 32-bit calling convention returns it (fld, fldz, fld1, fst, fstp).
#   no_x87_test.sh WIN32_BUILD_DIR      exit 0 or 1, with one line saying why
set -euo pipefail
dir=${1:?usage: no_x87_test.sh WIN32_BUILD_DIR}
checked=0
for pair in tessovant:Synthesis tessovant:FillAudioBlock tessovant:Patterns tessovant:VisualTick \
            render-sound:Synthesis render-sound:RenderSession render-sound:VoiceSynthesis \
            render-sound:VoicePhases render-sound:VoiceSpin render-sound:VoiceBells \
            tessovant:VoiceSynthesis tessovant:VoiceSpin tessovant:VoiceBells; do
  exe=$dir/${pair%%:*}.exe map=$dir/${pair%%:*}.exe.map object=${pair#*:}
  [ -f "$exe" ] && [ -f "$map" ] || { echo "FAIL: no $exe with its link map"; exit 1; }
  # "start size" of each code section of the object; a long section name
  # puts the rest of its line on the next.
  sections=$(awk -v object="($object.cpp.obj)" '
    $1 ~ /^\.text/ && NF == 1 { getline more; $0 = $0 " " more }
    $1 ~ /^\.text/ && index($4, object) && $3 !~ /^0x0+$/ { print $2, $3 }' "$map")
  [ -n "$sections" ] || { echo "FAIL: $object has no code in $map"; exit 1; }
  while read -r start size; do
    x87=$(i686-w64-mingw32-objdump -d --no-show-raw-insn --start-address="$start" \
            --stop-address=$((start + size)) "$exe" |
          awk -F'\t' '$1 ~ /:$/ { split($2, word, " "); print word[1] }' | grep -E '^f' |
          grep -vxE 'f(ld|st|stp)[lst]?|fldz|fld1' | sort | uniq -c | tr -s ' \n' ' ' | sed 's/ $//') || true
    [ -z "$x87" ] || { echo "FAIL: $object in $(basename "$exe") computes on the x87 unit:$x87"; exit 1; }
    checked=$((checked + size))
  done <<<"$sections"
done
echo "ok: $checked bytes of synthesis and pattern code in $dir hold no x87 arithmetic"
