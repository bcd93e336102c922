#!/usr/bin/env bash
# The real power-off path, once: 1 minute of "关机" confirmed; about 60 s later the
# program's forced power-off request ends the Wine session, which is all it does under
# Wine. It ends every process of its prefix, so it runs alone, in a copy of the prefix, on
# a display of its own.
#   slow_poweroff.sh EXE
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
exe=$1
copy="$root/build/wineprefix-poweroff"
rm -rf "$copy"
cp -a "$root/build/wineprefix" "$copy"
export TW_WINEPREFIX="$copy"
source "$root/scripts/display.sh"
source "$root/scripts/wine-env.sh" 2>/dev/null
start_display || exit 1
envfile="$root/build/e2e-poweroff.env"
printf 'DISPLAY=%s\n' "$DISPLAY" > "$envfile"
finish() {
  stop_display
  rm -rf "$copy" "$envfile"
}
trap finish EXIT

# The lib's helpers, on this display and prefix.
source "$here/lib.sh"
E2E_ROOT=$root
e2e_init "$envfile" "$exe"
trap 'e2e_cleanup; finish' EXIT

prefix_processes() {
  local n=0 pid
  for pid in $(pgrep -f 'wine|\.exe' || true); do
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$copy" && n=$((n + 1))
  done
  echo "$n"
}

start_program
select_item $ID_MINUTES 1
click_control $ID_BUTTON
armed=$SECONDS
wait_for "the window to hide" 5 is_main hidden
screenshot armed >/dev/null
deadline=$((armed + 120))
while kill -0 "$E2E_PID" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.5; done
kill -0 "$E2E_PID" 2>/dev/null && fail "expected the power-off request to end the session within 120 s"
ended=$((SECONDS - armed))
wait "$E2E_PID"
code=$?
E2E_PID=""
echo "the program ended ${ended}s after the confirmation (exit status $code)"
[ "$ended" -ge 55 ] || fail "expected the session to end about 60 s after the confirmation, it ended after ${ended}s"
[ "$ended" -le 75 ] || fail "expected the session to end about 60 s after the confirmation, it ended after ${ended}s"
session_gone() { [ "$(prefix_processes)" -eq 0 ]; }
wait_for "every process of the prefix to end" 30 session_gone
screenshot ended >/dev/null
echo "PASS"
