#!/usr/bin/env bash
# Starts and stops what the Wine tests need: a WoW64 Wine prefix, a virtual X
# display (TESSOVANT_SCREEN_SIZE, default 1024x768) and a PulseAudio server
# paced by the real clock, and finds out whether 32-bit programs run here.
# A probe that breaks other than by the kernel's "Exec format error" fails
# the start, and with it every Wine test.
# Every process it starts is recorded in DIR/pids and only those are stopped.
# A run that was killed half-way leaves its pids file behind; the next start
# stops those first.
#
#   harness.sh start DIR   writes DIR/env.sh for the tests to source
#   harness.sh stop DIR
set -euo pipefail
action=${1:-}
dir=$(mkdir -p "${2:?usage: harness.sh start|stop DIR}" && cd "$2" && pwd)
# shellcheck disable=SC1091
source "$(dirname "$0")/../../scripts/lib/wine-env.sh"

case "$action" in
  start)
    wine_env_start "$dir" || { echo "harness: $dir could not be set up" >&2; exit 1; }
    # shellcheck disable=SC1091
    source "$dir/env.sh"
    echo "harness: display $DISPLAY, prefix $WINEPREFIX, pulse $TESSOVANT_PULSE_SOCKET"
    # Only a kernel without 32-bit programs may skip the release build's
    # tests; a broken probe must not pass for one.
    if [ "$TESSOVANT_32BIT_PROBE_FAILED" = 1 ]; then
      echo "harness: FAILED: the 32-bit probe broke: $TESSOVANT_32BIT_NOTE" >&2
      wine_env_stop "$dir"
      exit 1
    fi
    if [ "$TESSOVANT_RUNS_32BIT" = 1 ]; then
      echo "harness: 32-bit programs run here: the release build is tested"
    else
      echo "harness: 32-bit programs do not run here ($TESSOVANT_32BIT_NOTE): the release build's tests are skipped"
    fi
    ;;
  stop) wine_env_stop "$dir" ;;
  *) echo "usage: harness.sh start|stop DIR" >&2; exit 2 ;;
esac
