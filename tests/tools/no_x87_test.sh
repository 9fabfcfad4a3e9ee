#!/usr/bin/env bash
# Catches a release build whose sound synthesis or patterns compute doubles
# on the x87 unit (80-bit intermediates make them differ from the host's),
# without running it: disassembles the code of those source files, found
# through the link map beside each executable, and looks for x87 arithmetic.
# Moving a double in or out of st(0), where the 32-bit calling convention
# returns it (fld, fldz, fld1, fst, fstp), is allowed.
#   no_x87_test.sh WIN32_BUILD_DIR      exit 0 or 1, with one line saying why
set -euo pipefail
dir=${1:?usage: no_x87_test.sh WIN32_BUILD_DIR}

# MAP OBJECT: "start size" of each code section that OBJECT gave the link;
# a long section name puts the rest of its line on the next.
sections_of() {
  awk -v object="($2.cpp.obj)" '
    $1 ~ /^\.text/ && NF == 1 { getline more; $0 = $0 " " more }
    $1 ~ /^\.text/ && NF >= 4 && index($4, object) && $3 !~ /^0x0+$/ { print $2, $3 }' "$1"
}

checked=0
for pair in tessovant:Synthesis tessovant:FillAudioBlock tessovant:Patterns tessovant:VisualTick \
            render-sound:Synthesis render-sound:RenderSession; do
  exe=$dir/${pair%%:*}.exe map=$dir/${pair%%:*}.map object=${pair#*:}
  [ -f "$exe" ] && [ -f "$map" ] || { echo "FAIL: no $exe with its link map"; exit 1; }
  found=0
  while read -r start size; do
    found=1
    x87=$(i686-w64-mingw32-objdump -d --no-show-raw-insn --start-address="$start" \
            --stop-address=$((start + size)) "$exe" |
          awk -F'\t' '$1 ~ /:$/ { split($2, word, " "); print word[1] }' |
          grep -E '^f' | grep -vxE 'f(ld|st|stp)[lst]?|fldz|fld1' | sort | uniq -c | tr -s ' \n' ' ' | sed 's/ $//') || true
    if [ -n "$x87" ]; then
      echo "FAIL: $object in $(basename "$exe") computes on the x87 unit:$x87"
      exit 1
    fi
    checked=$((checked + size))
  done < <(sections_of "$map" "$object")
  [ "$found" = 1 ] || { echo "FAIL: $object has no code in $map"; exit 1; }
done
echo "ok: $checked bytes of synthesis and pattern code in $dir hold no x87 arithmetic"
