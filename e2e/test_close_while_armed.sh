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
# "打开程序" from the icon's menu brings the window back.
read -r ix iy <<<"$(tray_centre)"
xdotool mousemove "$ix" "$iy" click 3
wait_for "the menu" 5 menu_open
read -r left top right bottom <<<"$(probe menu | head -n 1)"
click_at $(((left + right) / 2)) $((top + (bottom - top) / 4))
wait_for "打开程序 to show the window" 5 is_main visible
[ "$(probe selection $ID_MINUTES)" = 1 ] || fail "expected the minutes list still at 1"
click_close_box
expect_exit 0 10
wait_for "the icon to vanish" 5 tray_empty
[ "$(probe main)" = "none" ] || fail "expected no window left"
screenshot after >/dev/null
echo "PASS"
