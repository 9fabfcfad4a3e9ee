#!/usr/bin/env bash
# Catches a seam procedure that a program can lack and still link (another
# program's taken from a library, or none at all): the exposure code linked
# with all of them must link, and without any one of them must fail with an
# undefined reference to that one.
#   seam_link_test.sh WIN32_BUILD_DIR PROCEDURE...
set -euo pipefail
build=${1:?usage: seam_link_test.sh WIN32_BUILD_DIR PROCEDURE...}
shift
procedures=("$@")
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if cmake --build "$build" --target seam_link_complete >"$log" 2>&1; then
  echo "ok: every procedure supplied: it links"
else
  cat "$log"; echo "FAIL: the program with every procedure does not link"; failed=1
fi
for procedure in "${procedures[@]}"; do
  if cmake --build "$build" --target "seam_link_without_$procedure" >"$log" 2>&1; then
    echo "FAIL: without $procedure the program still links"; failed=1
  elif grep -q "undefined reference to \`$procedure(" "$log"; then
    echo "ok: without $procedure: undefined reference to $procedure"
  else
    cat "$log"; echo "FAIL: without $procedure the link fails for another reason"; failed=1
  fi
done
[ ${#procedures[@]} -gt 0 ] || { echo "FAIL: no procedures named"; failed=1; }
exit $failed
