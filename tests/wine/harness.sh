#!/usr/bin/env bash
# Starts and stops what the Wine tests need: a Wine prefix, a virtual X display
# and a PulseAudio server paced by the real clock. Every process it starts is
# recorded in DIR/pids and only those are stopped. A run that was killed
# half-way leaves its pids file behind; the next start stops those first.
#
#   harness.sh start DIR   writes DIR/env.sh for the tests to source
#   harness.sh stop DIR
# TESSOVANT_SCREEN_SIZE=WxH sets the size of the display (default 1024x768).
set -uo pipefail

action=${1:?start or stop}
dir=$(mkdir -p "${2:?environment directory}" && cd "$2" && pwd)
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver

command_of() { tr '\0' ' ' < "/proc/$1/cmdline" 2>/dev/null | cut -c1-200 | sed 's/ *$//'; }
record() { echo "$1 $(command_of "$1")" >> "$dir/pids"; }

stop_recorded() {
  [ -f "$dir/pids" ] || return 0
  while read -r pid cmd; do
    [ -n "$pid" ] || continue
    now=$(command_of "$pid")
    # Only a process that is still the one we started.
    if [ -n "$now" ] && [ "$now" = "$cmd" ]; then
      kill "$pid" 2>/dev/null
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
      kill -9 "$pid" 2>/dev/null
    fi
  done < "$dir/pids"
  rm -f "$dir/pids"
}

stop_wineserver() {
  [ -d "$dir/prefix" ] && WINEPREFIX="$dir/prefix" "$WINESERVER" -k 2>/dev/null
  return 0
}

make_prefix() {
  [ -f "$dir/prefix/.ready" ] && return 0
  rm -rf "$dir/prefix"
  WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    "$WINE" wineboot -i >/dev/null 2>&1
  # Wine draws its own caption and frame, since Xvfb has no window manager.
  WINEPREFIX="$dir/prefix" WINEDEBUG=-all \
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  WINEPREFIX="$dir/prefix" "$WINESERVER" -w
  touch "$dir/prefix/.ready"
}

start_display() {
  local n
  for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${TESSOVANT_SCREEN_SIZE:-1024x768}x24" -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    local pid=$!
    for _ in $(seq 100); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        record "$pid"
        echo ":$n"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$pid" 2>/dev/null
  done
  echo "harness: no X display could be started" >&2
  return 1
}

start_pulseaudio() {
  local runtime="$dir/xdg"
  rm -rf "$runtime"; mkdir -p "$runtime/home"; chmod 700 "$runtime"
  XDG_RUNTIME_DIR="$runtime" HOME="$runtime/home" pulseaudio -n --daemonize=yes \
    --exit-idle-time=-1 --disallow-exit --use-pid-file=yes \
    --load=module-native-protocol-unix >"$dir/pulse.log" 2>&1
  local pid
  for _ in $(seq 100); do
    pid=$(cat "$runtime/pulse/pid" 2>/dev/null)
    [ -n "$pid" ] && [ -S "$runtime/pulse/native" ] && break
    sleep 0.05
  done
  [ -n "$pid" ] || { echo "harness: pulseaudio did not start" >&2; return 1; }
  record "$pid"
  local env=(env XDG_RUNTIME_DIR="$runtime" HOME="$runtime/home" PULSE_SERVER="unix:$runtime/pulse/native")
  "${env[@]}" pactl load-module module-null-sink sink_name=out rate=44100 format=s16le channels=2 >/dev/null
  "${env[@]}" pactl set-default-sink out
}

case "$action" in
  start)
    stop_recorded
    stop_wineserver
    make_prefix || exit 1
    display=$(start_display) || exit 1
    start_pulseaudio || exit 1
    cat > "$dir/env.sh" <<ENV
export DISPLAY=$display
export WINEPREFIX=$dir/prefix
export WINEDEBUG=-all
export WINE=$WINE
export WINESERVER=$WINESERVER
export TESSOVANT_PULSE_SOCKET=$dir/xdg/pulse/native
export TESSOVANT_WINE_ENV_DIR=$dir
ENV
    echo "harness: display $display, prefix $dir/prefix, pulse $dir/xdg/pulse/native"
    ;;
  stop)
    stop_wineserver
    stop_recorded
    rm -f "$dir/env.sh"
    ;;
  *) echo "usage: harness.sh start|stop DIR" >&2; exit 2 ;;
esac
