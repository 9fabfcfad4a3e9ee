# Sourced by the end-to-end test scripts: starts the real program (of the
# build under test) under Wine with the Russian code page, drives it through
# e2e_driver.exe and xdotool, and counts checks. Every script stops exactly
# the program it started.
# shellcheck disable=SC1091
source "$TESSOVANT_SOURCE_DIR/tests/wine/common.sh"
# A failing step is a failed check here, counted and reported, not an abort.
set +e

E2E_DRIVER=$TESSOVANT_WIN_DIR/tests/wine/e2e/e2e_driver.exe
E2E_PROGRAM=$TESSOVANT_WIN_DIR/tessovant.exe
E2E_WORK=$TESSOVANT_WINE_ENV_DIR/e2e/$(basename "$0" .sh)
rm -rf "$E2E_WORK"
mkdir -p "$E2E_WORK"
E2E_PASSED=0
E2E_FAILED=0
E2E_PROGRAM_PID=""

[ -f "$E2E_DRIVER" ] || { echo "FAIL: no driver at $E2E_DRIVER" >&2; exit 1; }
[ -f "$E2E_PROGRAM" ] || { echo "FAIL: no program at $E2E_PROGRAM" >&2; exit 1; }

# Wine takes the ANSI code page 1251 from this locale; both the program and
# the driver need it so that the texts cross as the same bytes.
wine_ru() { LC_ALL=ru_RU.UTF-8 "$WINE" "$@" 2>/dev/null | tr -d '\r'; }

driver() { wine_ru "$E2E_DRIVER" "$@"; }

# Starts the program; with a file argument its sound is captured into it.
start_program() {
  local capture=${1:-}
  local home
  home=$(mktemp -d "$E2E_WORK/home.XXXXXX")
  if [ -n "$capture" ]; then
    capture_home "$home" "$capture"
  fi
  HOME="$home" PULSE_SERVER=unix:/nonexistent LC_ALL=ru_RU.UTF-8 \
    "$WINE" "$E2E_PROGRAM" >"$E2E_WORK/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
  if ! driver wait-panel 30000 >"$E2E_WORK/wait.txt"; then
    echo "FAIL: the panel did not come up" >&2
    exit 1
  fi
  # Let the first paint and Wine's own activation settle.
  sleep 0.5
}

# The session player is a Unicode program: it runs under a Western code page
# (LC_CTYPE) with the interface language of LC_MESSAGES, as on a Western
# Windows whose user reads Russian. Wine decodes the command line in
# LC_CTYPE's character set, UTF-8 here.
E2E_PLAYER_CTYPE=en_US.UTF-8
E2E_PLAYER_MESSAGES=en_US.UTF-8

# player_speaks_russian_at_start: whether Wine gives a program started with
# LC_MESSAGES=ru_RU.UTF-8 a Russian interface language and still a Western
# code page; it does where the locales exist (scripts/setup.sh makes them).
# Where it does not, the player runs under C.UTF-8 and is switched to
# Russian with its button, and the script says so.
player_speaks_russian_at_start() {
  local probe=$E2E_WORK/locale.txt
  env -u LC_ALL LC_CTYPE="$E2E_PLAYER_CTYPE" LC_MESSAGES=ru_RU.UTF-8 "$WINE" "$E2E_DRIVER" locale \
    2>/dev/null | tr -d '\r' >"$probe"
  if [ "$(value ui.language "$probe")" = 0419 ] && [ "$(value acp "$probe")" = 1252 ]; then
    E2E_PLAYER_MESSAGES=ru_RU.UTF-8
    return 0
  fi
  echo "NOTE: Wine here does not give LC_CTYPE=$E2E_PLAYER_CTYPE LC_MESSAGES=ru_RU.UTF-8 a" \
       "Russian interface under code page 1252 ($(tr '\n' ' ' <"$probe")): the player runs" \
       "under C.UTF-8 and is switched to Russian with Eng/Рус"
  E2E_PLAYER_CTYPE=C.UTF-8 E2E_PLAYER_MESSAGES=C.UTF-8
  return 1
}

# start_player CAPTURE FILE...: the session player with its sound captured
# and the files (Unix paths) on its command line.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# Each test starts the player as a new user would: what an earlier test
# left in the shared prefix's registry is forgotten.
forget_player_settings() {
  "$WINE" reg delete 'HKCU\Software\Tessovant' /f >/dev/null 2>&1 || true
}

start_player() {
  local capture=$1 home file args=()
  shift
  [ "${E2E_KEEP_SETTINGS:-0}" = 1 ] || forget_player_settings
  for file in "$@"; do args+=("$(windows_path "$file")"); done
  home=$(mktemp -d "$E2E_WORK/home.XXXXXX")
  capture_home "$home" "$capture"
  HOME="$home" PULSE_SERVER=unix:/nonexistent env -u LC_ALL LC_CTYPE="$E2E_PLAYER_CTYPE" \
    LC_MESSAGES="$E2E_PLAYER_MESSAGES" "$WINE" "$TESSOVANT_WIN_DIR/tessovant-session.exe" \
    "${args[@]}" >"$E2E_WORK/program.log" 2>&1 &
  E2E_PROGRAM_PID=$!
  driver player-wait 30000 >/dev/null || { echo "FAIL: the player did not come up"; exit 1; }
}

# Closes the program through its panel and waits for it; returns its exit
# status as the shell saw it.
stop_program() {
  [ -n "$E2E_PROGRAM_PID" ] || return 0
  if kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; then
    driver close-wait 10000 >/dev/null || true
  fi
  local status=0
  for _ in $(seq 100); do
    kill -0 "$E2E_PROGRAM_PID" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$E2E_PROGRAM_PID" 2>/dev/null; then
    kill "$E2E_PROGRAM_PID" 2>/dev/null
    status=124
  fi
  wait "$E2E_PROGRAM_PID" 2>/dev/null || status=$?
  E2E_PROGRAM_PID=""
  return "$status"
}

e2e_cleanup() { stop_program >/dev/null 2>&1 || true; }
trap e2e_cleanup EXIT

# Reads the driver's state into $E2E_WORK/state.txt; value KEY reads it.
read_state() { driver state >"$E2E_WORK/state.txt"; }
value() { { grep -m1 "^$1=" "${2:-$E2E_WORK/state.txt}" || true; } | cut -d= -f2-; }

now_ms() { date +%s%3N; }

# read_state_until KEY VALUE: reads the state until KEY has VALUE or 10 s
# have passed, as a key press reaches the program at Wine's pace; the checks
# that follow look at the last state read.
read_state_until() {
  local deadline=$(($(now_ms) + 10000))
  read_state
  while [ "$(value "$1")" != "$2" ] && [ "$(now_ms)" -lt "$deadline" ]; do sleep 0.1; read_state; done
}

cp1251_hex() { printf '%s' "$1" | iconv -f UTF-8 -t CP1251 | od -An -tx1 | tr -d ' \n'; }

check() {
  local what=$1 actual=$2 expected=$3
  if [ "$actual" = "$expected" ]; then
    E2E_PASSED=$((E2E_PASSED + 1))
    echo "ok: $what"
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL: $what: got '$actual', expected '$expected'"
  fi
}

# check_state WHAT KEY EXPECTED: a key of the last state read.
check_state() { check "$1" "$(value "$2")" "$3"; }

check_between() {
  local what=$1 actual=$2 low=$3 high=$4
  if [ -n "$actual" ] && [ "$actual" -ge "$low" ] && [ "$actual" -le "$high" ]; then
    E2E_PASSED=$((E2E_PASSED + 1))
    echo "ok: $what ($actual in $low..$high)"
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL: $what: got '$actual', expected $low..$high"
  fi
}

# A real key press on the X display; it reaches the window with the focus.
press() { xdotool key --delay 60 "$@"; }

screenshot() { import -window root "$E2E_WORK/$1.png"; }

# region SHOT X Y W H FORMAT: ImageMagick's FORMAT of a part of the panel's
# client area (as of the last state read) on a screenshot.
region() {
  local cx cy _w _h
  IFS=, read -r cx cy _w _h <<<"$(value panel.client)"
  /usr/bin/convert "$E2E_WORK/$1.png" -crop "${4}x${5}+$((cx + $2))+$((cy + $3))" +repage \
    -format "$6" info: 2>/dev/null
}

# The darkest pixel of a region, in percent: the labels are dark text.
darkest() { region "$1" "$2" "$3" "$4" "$5" '%[fx:int(minima.intensity*100)]'; }
# Brightest minus darkest, in percent: text on the light tile, not on black.
contrast() { region "$1" "$2" "$3" "$4" "$5" '%[fx:int((maxima.intensity-minima.intensity)*100)]'; }

blocks_in() { echo $(($(stat -c %s "$1" 2>/dev/null || echo 0) / 44100)); }

# wait_for_blocks CAPTURE N SECONDS: a check that the capture file comes to
# hold N whole blocks of 11025 frames within SECONDS, as Wine opens the sound
# device at its own pace.
wait_for_blocks() {
  local deadline=$(($(now_ms) + $3 * 1000))
  while [ "$(blocks_in "$1")" -lt "$2" ] && [ "$(now_ms)" -lt "$deadline" ]; do sleep 0.05; done
  check_between "blocks captured within $3 s" "$(blocks_in "$1")" "$2" 1000000
}

# check_sound WHAT CAPTURE MODE FREQUENCIES MIN_BLOCKS: the captured sound of
# an exposure is the host's synthesis of it (render-sound); the comparison's
# report stays in $E2E_WORK/compare.txt.
check_sound() {
  python3 "$TESSOVANT_SOURCE_DIR/tests/wine/e2e/compare_sound.py" --capture "$2" \
    --render "$TESSOVANT_HOST_DIR/render-sound" --mode "$3" --frequency "$4" --min-blocks "$5" \
    >"$E2E_WORK/compare.txt" 2>&1
  local status=$?
  cat "$E2E_WORK/compare.txt"
  check "$1" "$status" 0
}

# check_label WHAT SHOT X Y W H: dark text painted on a light ground there.
check_label() {
  check_between "$1 painted dark" "$(darkest "$2" "$3" "$4" "$5" "$6")" 0 25
  check_between "$1 painted on a light ground" "$(contrast "$2" "$3" "$4" "$5" "$6")" 50 100
}

finish() {
  stop_program || true
  echo "$E2E_PASSED passed, $E2E_FAILED failed"
  [ "$E2E_FAILED" -eq 0 ] && [ "$E2E_PASSED" -gt 0 ]
}
