#!/usr/bin/env bash
# The test command: installs what is missing, builds all three configurations,
# then runs every test, the unit tests on the host and the Wine tests against
# the win64 build, in one CTest run.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${TESSOVANT_BUILD_ROOT:-$src/build}
bash "$src/scripts/setup.sh"
bash "$src/scripts/build.sh" win32 win64 host
cd "$root/host"
ctest --output-on-failure --timeout 600 "$@"
