# shellcheck shell=bash
# Sourced by tests/wine/harness.sh, scripts/run.sh, scripts/demo.sh and the
# benchmarks: the one way to make a Wine prefix, a virtual display and a
# sound server, to learn whether 32-bit programs run here, and to stop exactly
# the processes that were started. Nothing here exits the caller; failures
# are return codes.
#   source scripts/lib/wine-env.sh

WINE32=/usr/lib/wine/wine
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver

# The loader for a Windows program: the 32-bit one for a PE32 (machine
# 0x14c), whose pid is then the program's own; the 64-bit one otherwise.
wine_env_loader() {
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ') || true
  machine=$(od -An -tx1 -j$((${pe:-0} + 4)) -N2 "$1" 2>/dev/null | tr -d ' ') || true
  if [ "$machine" = 4c01 ]; then echo "$WINE32"; else echo "$WINE64"; fi
}

wine_env_32bit_loader_starts() { [ -x "$WINE32" ] && "$WINE32" --version >/dev/null 2>&1; }

# PREFIX [virtual]: a WoW64 prefix, in which 32-bit and 64-bit programs run
# side by side under one wineserver. Only the 32-bit loader fills its 32-bit
# system folder, so it makes the prefix; where it cannot start, the prefix is
# 64-bit only (and made anew once it can). "virtual": Wine draws its own
# window frames, since a virtual display has no window manager.
wine_env_make_prefix() {
  local prefix=$1 mode=${2:-} marker=$1/.tessovant-prefix kind loader
  if [ -f "$marker" ]; then
    kind=$(cat "$marker")
    [ "$kind" = "wow64 $mode" ] && return 0
    [ "$kind" = "win64 $mode" ] && ! wine_env_32bit_loader_starts && return 0
  fi
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  if wine_env_32bit_loader_starts; then kind=wow64 loader=$WINE32; else kind=win64 loader=$WINE64; fi
  WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    "$loader" wineboot -i >/dev/null 2>&1 || return 1
  if [ "$mode" = virtual ]; then
    WINEPREFIX="$prefix" WINEDEBUG=-all \
      "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || return 1
  fi
  WINEPREFIX="$prefix" "$WINESERVER" -w || true
  echo "$kind $mode" >"$marker"
}

# PREFIX: whether a 32-bit Windows program runs here. A tiny one that exits
# with 32 is run by the 32-bit loader (about a second). Sets
# WINE_ENV_RUNS_32BIT to 1 or 0 and WINE_ENV_32BIT_NOTE to what was found.
# Only a kernel that cannot execute the 32-bit loader ("Exec format error")
# is an answer of "no"; any other failure (wine32 missing after the set-up,
# a probe that does not compile, a 32-bit program that crashes or hangs) is
# a fault of this machine's set-up and returns 1, so that nobody mistakes it
# for that answer. TESSOVANT_NO_32BIT=1 answers "no", to try what machines
# without 32-bit programs do; TESSOVANT_PROBE_LOADER replaces the 32-bit
# loader in the probe alone, to try its failures.
wine_env_probe_32bit() {
  local prefix=$1 probe=$1/drive_c/tessovant-probe32.exe status=0 said
  local loader=${TESSOVANT_PROBE_LOADER:-$WINE32}
  WINE_ENV_RUNS_32BIT=0
  if [ "${TESSOVANT_NO_32BIT:-0}" = 1 ]; then
    WINE_ENV_32BIT_NOTE="TESSOVANT_NO_32BIT=1 says that they do not"
    return 0
  fi
  if [ ! -x "$loader" ]; then
    WINE_ENV_32BIT_NOTE="the 32-bit Wine ($loader, package wine32:i386) is not installed: run scripts/setup.sh"
    return 1
  fi
  if ! "$loader" --version >"$probe.log" 2>&1; then
    said=$(tail -1 "$probe.log")
    if grep -q 'Exec format error' "$probe.log"; then
      WINE_ENV_32BIT_NOTE="the kernel does not execute the 32-bit Wine loader: ${said##*: }"
      return 0
    fi
    WINE_ENV_32BIT_NOTE="the 32-bit Wine loader $loader failed${said:+: $said}"
    return 1
  fi
  if [ ! -f "$probe" ] && ! printf 'int main(void) { return 32; }\n' |
      i686-w64-mingw32-gcc -x c -O -s -o "$probe" - 2>"$probe.log"; then
    WINE_ENV_32BIT_NOTE="the 32-bit probe program could not be compiled: $(head -1 "$probe.log")"
    return 1
  fi
  # Into a file, not a pipe: Wine's services, started by the first program
  # of a session, keep its output open until the session ends.
  WINEPREFIX="$prefix" WINEDEBUG=-all timeout 60 "$loader" "$probe" \
    >"$probe.log" 2>&1 </dev/null || status=$?
  if [ "$status" = 32 ]; then
    WINE_ENV_RUNS_32BIT=1
    WINE_ENV_32BIT_NOTE="a 32-bit program ran"
    return 0
  fi
  said=$(tail -1 "$probe.log")
  if [ "$status" = 124 ]; then
    WINE_ENV_32BIT_NOTE="a 32-bit test program did not end within 60 s"
  else
    WINE_ENV_32BIT_NOTE="a 32-bit test program ended with status $status, not 32${said:+ ($said)}"
  fi
  return 1
}

# ROOT WHO RUNS_32BIT NOTE: prints the build directory to run, the release
# build ROOT/win32 where 32-bit programs run (RUNS_32BIT 1), else ROOT/win64,
# and says on standard error, as WHO, which one and why.
wine_env_choose_build() {
  if [ "$3" = 1 ]; then
    echo "$2: running the release build, $1/win32/tessovant.exe" >&2
    echo "$1/win32"
  else
    echo "$2: running the win64 build, $1/win64/tessovant.exe:" \
         "32-bit programs do not run on this machine ($4)" >&2
    echo "$1/win64"
  fi
}

wine_env_command_of() { tr '\0' ' ' <"/proc/$1/cmdline" 2>/dev/null | cut -c1-200 | sed 's/ *$//'; }

# DIR PID: remembers a process this environment started, with its command
# line, so that only that very process is stopped later.
wine_env_record() { echo "$2 $(wine_env_command_of "$2")" >>"$1/pids"; }

# Ends PID: politely, then after 2.5 s by force.
wine_env_kill() {
  kill "$1" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.05; done
  kill -9 "$1" 2>/dev/null || true
}

wine_env_stop_recorded() {
  local dir=$1 pid cmd
  [ -f "$dir/pids" ] || return 0
  while read -r pid cmd; do
    [ -n "$pid" ] || continue
    if [ "$(wine_env_command_of "$pid")" = "$cmd" ] && [ -n "$cmd" ]; then wine_env_kill "$pid"; fi
  done <"$dir/pids"
  rm -f "$dir/pids"
}

# DIR: an Xvfb display of TESSOVANT_SCREEN_SIZE (WxH, default 1024x768) on a
# free number; prints it (":N").
wine_env_start_display() {
  local dir=$1 size=${TESSOVANT_SCREEN_SIZE:-1024x768} n pid
  for n in $(seq 90 299); do
    { [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; } && continue
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    pid=$!
    for _ in $(seq 100); do
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        wine_env_record "$dir" "$pid"
        echo ":$n"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$pid" 2>/dev/null || true
  done
  echo "no X display could be started" >&2
  return 1
}

# DIR: a PulseAudio server with a null sink paced by the real clock; its
# socket is DIR/xdg/pulse/native.
wine_env_start_pulseaudio() {
  local dir=$1 runtime=$1/xdg pid=""
  rm -rf "$runtime"
  mkdir -p "$runtime/home"
  chmod 700 "$runtime"
  XDG_RUNTIME_DIR="$runtime" HOME="$runtime/home" pulseaudio -n --daemonize=yes \
    --exit-idle-time=-1 --disallow-exit --use-pid-file=yes \
    --load=module-native-protocol-unix >"$dir/pulse.log" 2>&1
  for _ in $(seq 100); do
    pid=$(cat "$runtime/pulse/pid" 2>/dev/null) || true
    [ -n "$pid" ] && [ -S "$runtime/pulse/native" ] && break
    sleep 0.05
  done
  [ -n "$pid" ] || { echo "pulseaudio did not start" >&2; return 1; }
  wine_env_record "$dir" "$pid"
  local env=(env XDG_RUNTIME_DIR="$runtime" HOME="$runtime/home" PULSE_SERVER="unix:$runtime/pulse/native")
  "${env[@]}" pactl load-module module-null-sink sink_name=out rate=44100 format=s16le channels=2 >/dev/null &&
    "${env[@]}" pactl set-default-sink out
}

# DIR: a fresh sound server in place of the recorded one, on the same socket.
# A server that was frozen (SIGSTOP) and thawed streams on, but later streams
# on it were seen to lose their last frames and to stall for seconds; tests
# that freeze it leave a fresh one to the tests after them.
wine_env_restart_pulseaudio() {
  local dir=$1 pid cmd
  while read -r pid cmd; do
    [ "${cmd%% *}" = pulseaudio ] || continue
    kill -CONT "$pid" 2>/dev/null || true
    wine_env_kill "$pid"
  done <"$dir/pids"
  grep -v '^[0-9]* pulseaudio' "$dir/pids" >"$dir/pids.kept" || true
  mv "$dir/pids.kept" "$dir/pids"
  wine_env_start_pulseaudio "$dir"
}

# DIR: stops what a previous start in DIR left behind, then makes (or reuses)
# DIR/prefix and starts a display and a sound server; probes for 32-bit
# programs and writes DIR/env.sh for the programs run there to source, and
# DIR/probe-32bit with the probe's finding alone (it outlives the stop). A
# probe that broke (TESSOVANT_32BIT_PROBE_FAILED=1) leaves the environment
# usable for the win64 build; the caller decides whether that is enough.
wine_env_start() {
  local dir=$1 display probe_failed=0
  mkdir -p "$dir"
  wine_env_stop "$dir"
  wine_env_make_prefix "$dir/prefix" virtual || { echo "the Wine prefix could not be made" >&2; return 1; }
  display=$(wine_env_start_display "$dir") || return 1
  wine_env_start_pulseaudio "$dir" || return 1
  DISPLAY=$display wine_env_probe_32bit "$dir/prefix" || probe_failed=1
  printf 'export TESSOVANT_RUNS_32BIT=%s\nexport TESSOVANT_32BIT_NOTE=%q\nexport TESSOVANT_32BIT_PROBE_FAILED=%s\n' \
    "$WINE_ENV_RUNS_32BIT" "$WINE_ENV_32BIT_NOTE" "$probe_failed" >"$dir/probe-32bit"
  cat >"$dir/env.sh" <<ENV
export DISPLAY=$display
export WINEPREFIX=$dir/prefix
export WINEDEBUG=-all
export WINE32=$WINE32
export WINE64=$WINE64
export WINE=$WINE64
export WINESERVER=$WINESERVER
export TESSOVANT_PULSE_SOCKET=$dir/xdg/pulse/native
export TESSOVANT_WINE_ENV_DIR=$dir
$(cat "$dir/probe-32bit")
ENV
}

wine_env_stop() {
  local dir=$1
  if [ -d "$dir/prefix" ]; then WINEPREFIX="$dir/prefix" "$WINESERVER" -k 2>/dev/null || true; fi
  wine_env_stop_recorded "$dir"
  rm -f "$dir/env.sh"
}

# HOME FILE: a HOME for a Wine process whose sound goes, exactly as written,
# into FILE, through ALSA's file plugin with the PulseAudio null sink of
# TESSOVANT_PULSE_SOCKET pacing it in real time. Start the process with
# PULSE_SERVER=unix:/nonexistent so that Wine's own PulseAudio driver is kept
# away and it falls back to ALSA.
capture_home() {
  local home=$1 file=$2
  mkdir -p "$home"
  cat >"$home/.asoundrc" <<ASOUND
pcm.!default {
  type file
  slave.pcm { type pulse; server "unix:$TESSOVANT_PULSE_SOCKET" }
  file "$file"
  format "raw"
}
ASOUND
}
