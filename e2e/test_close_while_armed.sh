#!/usr/bin/env bash
# Closing the window while a countdown is armed ends the program with 0 and removes the
# icon; the process is gone long before its one-minute countdown could request anything.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

start_program
select_item $ID_MINUTES 1
click_control $ID_BUTTON
wait_for "the window to hide" 5 is_main hidden
wait_for "the icon" 5 tray_has_icon
read -r ix iy <<<"$(tray_centre)"
xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 80 1
wait_for "the window to come back" 5 is_main visible
click_close_box
expect_exit 0 10
wait_for "the icon to vanish" 5 tray_empty
[ "$(probe main)" = "none" ] || fail "expected no window left"
screenshot after >/dev/null
echo "PASS"
