#!/usr/bin/env bash
# The test command: installs what is missing and builds the four
# configurations; runs the host's unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (build/sanitize), then every test in one CTest
# run in build/host: the unit tests (also in shuffled order), the Wine tests
# against the win32 build (the release) and a few against the win64 build
# (where 32-bit programs cannot run, all of them against the win64 build).
# Its last lines say whether the release build was run on this machine, or
# that the probe for 32-bit programs broke (which fails the command).
#   scripts/test.sh [CTEST_ARGS ...]     (passed to the CTest run in build/host)
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
bash "$src/scripts/setup.sh"
bash "$src/scripts/build.sh" win32 win64 host sanitize

status=0
echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
(cd "$root/sanitize" && ctest --output-on-failure --no-tests=error --timeout 600) || status=1

echo "== all tests"
# Written by the Wine harness's start: whether 32-bit programs ran.
probe=$root/host/wine-env/probe-32bit
rm -f "$probe"
# A selection (-L, -R) that matches nothing fails rather than passing empty.
(cd "$root/host" && ctest --output-on-failure --no-tests=error --timeout 600 "$@") || status=1

if [ -f "$probe" ]; then
  # shellcheck disable=SC1090
  source "$probe"
  if [ "${TESSOVANT_32BIT_PROBE_FAILED:-0}" = 1 ]; then
    status=1
    echo "test: FAILED: THE WINE TESTS DID NOT RUN: the probe for 32-bit programs broke"
    echo "test: ($TESSOVANT_32BIT_NOTE); only a kernel without 32-bit programs may skip the release build."
  elif [ "$TESSOVANT_RUNS_32BIT" = 1 ]; then
    echo "test: the release build (build/win32) was run: the Wine tests labelled 'release' ran against it;"
    echo "test: the win64 build ran those labelled 'win64' but not 'fallback'."
  else
    echo "test: THE RELEASE BUILD (build/win32) WAS NOT RUN ON THIS MACHINE: 32-bit programs do not"
    echo "test: run here ($TESSOVANT_32BIT_NOTE). Its Wine tests were skipped;"
    echo "test: the same tests ran against the win64 build instead (label 'win64'), and"
    echo "test: tools.no_x87 checked, without running it, that its synthesis uses no x87 arithmetic."
  fi
fi
exit $status
