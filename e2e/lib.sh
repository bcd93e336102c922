# Sourced by the end-to-end tests: the real tarnwick.exe on the tests' Wine desktop, driven
# by real input (xdotool) and observed by screenshots and the probe. Every wait has a
# timeout; every failure says what it expected and what it saw, and keeps a screenshot.
#   source e2e/lib.sh; e2e_init ENVFILE EXE

e2e_init() {
  E2E_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  source "$E2E_ROOT/scripts/wine-env.sh" 2>/dev/null
  source "$1"
  export DISPLAY
  E2E_EXE=$2
  E2E_PROBE="$(dirname "$E2E_EXE")/tests/probe.exe"
  E2E_NAME=$(basename "$0" .sh)
  E2E_OUT="$E2E_ROOT/build/e2e/$E2E_NAME"
  rm -rf "$E2E_OUT"
  mkdir -p "$E2E_OUT"
  E2E_PID=""
  E2E_SHOTS=0
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  if [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; then
    kill "$E2E_PID" 2>/dev/null
    wait "$E2E_PID" 2>/dev/null
  fi
}

screenshot() {
  E2E_SHOTS=$((E2E_SHOTS + 1))
  local file="$E2E_OUT/$(printf '%02d' "$E2E_SHOTS")-$1.png"
  import -window root "$file" 2>/dev/null
  echo "$file"
}

fail() {
  local shot
  shot=$(screenshot failure)
  echo "FAIL: $*"
  echo "screenshot: $shot"
  exit 1
}

probe() { "$TW_WINE" "$E2E_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# wait_for DESCRIPTION SECONDS COMMAND...: until COMMAND succeeds.
wait_for() {
  local what=$1 seconds=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    "$@" && return 0
    sleep 0.3
  done
  "$@" && return 0
  fail "timed out after ${seconds}s waiting for: $what"
}

main_state() { probe main | cut -d' ' -f1; }
is_main() { [ "$(main_state)" = "$1" ]; }

start_program() {
  "$TW_WINE" "$E2E_EXE" &
  E2E_PID=$!
  wait_for "the window to be visible" 60 is_main visible
  sleep 0.5
}

# expect_exit CODE SECONDS: the program ends by itself with this exit code.
expect_exit() {
  local want=$1 seconds=$2 deadline=$((SECONDS + $2))
  while kill -0 "$E2E_PID" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
  kill -0 "$E2E_PID" 2>/dev/null && fail "expected the program to end within ${seconds}s, it is still running"
  wait "$E2E_PID"
  local got=$?
  E2E_PID=""
  [ "$got" = "$want" ] || fail "expected exit code $want, saw $got"
}

# The centre of a control (screen coordinates), by its control id.
control_centre() {
  probe control "$1" | awk '{ printf "%d %d\n", $3 + $5 / 2, $4 + $6 / 2 }'
}
control_text() { probe control "$1" | cut -d' ' -f7-; }
control_checked() { probe control "$1" | cut -d' ' -f2; }

click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
click_control() {
  local xy
  xy=$(control_centre "$1")
  # shellcheck disable=SC2086
  click_at $xy
}
key() { xdotool key "$@"; sleep 0.3; }

# The close box: in the caption, at the right.
click_close_box() {
  local rect
  rect=($(probe main))
  click_at $((rect[1] + rect[3] - 14)) $((rect[2] + 11))
}

# The notification area draws its icons itself, 20 x 20 pixels each from the right end of
# the taskbar (the last 20 pixels of the 1024 x 768 screen). A slot holds an icon when a
# good part of it is dark: the dial is a black disc on the light taskbar.
TRAY_SLOT=20
tray_slot_dark() {
  import -window root png:- 2>/dev/null |
    convert png:- -crop "${TRAY_SLOT}x${TRAY_SLOT}+$1+748" +repage -colorspace Gray \
      -threshold 30% -format '%[fx:round(100*(1-mean))]' info:
}
tray_icons() {
  local n=0 x
  for x in 1004 984 964; do
    [ "$(tray_slot_dark $x)" -ge 15 ] && n=$((n + 1))
  done
  echo "$n"
}
tray_centre() { echo "1014 758"; }

# Control ids of MainWindow (100 + the control's place in the window's table).
ID_BUTTON=103
ID_SLEEP=104
ID_POWER_OFF=105
ID_MINUTES=107
ID_HOURS=108
ID_FIELD=114

# select_item LIST_ID INDEX: click the list (its first item), then Down INDEX times.
select_item() {
  click_control "$1"
  key Home
  [ "$2" -gt 0 ] && xdotool key --repeat "$2" --delay 30 Down
  sleep 0.3
  local got
  got=$(probe selection "$1")
  [ "$got" = "$2" ] || fail "expected item $2 selected in list $1, saw $got"
}

no_tarnwick_left() {
  ! pgrep -f 'tarnwick.exe' >/dev/null
}

# Predicates for wait_for.
field_has_date() { control_text $ID_FIELD | grep -q 年; }
message_open() { probe msgbox | grep -q .; }
message_closed() { ! message_open; }
tray_has_icon() { [ "$(tray_icons)" -ge 1 ]; }
tray_empty() { [ "$(tray_icons)" -eq 0 ]; }
menu_open() { probe menu | grep -q .; }
