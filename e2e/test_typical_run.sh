#!/usr/bin/env bash
# The typical run: 1 hour 30 minutes of "关机", confirmed; the window hides and the icon
# shows the tip; the field goes on while hidden; a double click brings the window back
# unchanged; the menu opens beside the cursor; "退出程序" ends with 0 and the icon goes.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

start_program
wait_for "no icon left from an earlier run" 10 tray_empty
select_item $ID_HOURS 1
select_item $ID_MINUTES 30
[ "$(control_checked $ID_POWER_OFF)" = 1 ] || fail "expected 关机 ticked"
click_control $ID_BUTTON
wait_for "the window to hide" 5 is_main hidden
wait_for "the notification-area icon" 5 tray_has_icon
[ "$(tray_icons)" = 1 ] || fail "expected one icon, saw $(tray_icons)"
screenshot armed >/dev/null

# The tip, shown when the mouse rests on the icon.
read -r ix iy <<<"$(tray_centre)"
xdotool mousemove "$ix" "$iy"
sleep 0.3
xdotool mousemove "$((ix + 1))" "$iy"
tip_shown() { probe tooltip | grep -q '分后关闭'; }
wait_for "the icon's tip" 8 tip_shown
tip=$(probe tooltip | grep '分后关闭' | head -n 1)
[ "$tip" = "定时关机工具正在后台计时运行,系统将在90分后关闭，谢谢您的使用." ] ||
  fail "expected the tip for 90 minutes, saw '$tip'"
screenshot tip >/dev/null

# The field is rewritten while the window is hidden.
before=$(control_text $ID_FIELD)
field_changed() { [ "$(control_text $ID_FIELD)" != "$before" ]; }
wait_for "the hidden field to change" 4 field_changed

# A single click does nothing; a double click shows the window, unchanged.
click_at "$ix" "$iy"
sleep 1
is_main hidden || fail "expected a single click to do nothing, the window is $(main_state)"
xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 80 1
wait_for "the window to come back" 5 is_main visible
[ "$(probe selection $ID_HOURS)" = 1 ] || fail "expected the hours list still at 1"
[ "$(probe selection $ID_MINUTES)" = 30 ] || fail "expected the minutes list still at 30"
[ "$(tray_icons)" = 1 ] || fail "expected the icon to stay"
screenshot shown-again >/dev/null

# Right click: the menu opens with its right edge 5 pixels left of the cursor.
xdotool mousemove "$ix" "$iy" click 3
wait_for "the menu" 5 menu_open
read -r left top right bottom <<<"$(probe menu | head -n 1)"
screenshot menu >/dev/null
[ "$right" = "$((ix - 5))" ] || fail "expected the menu's right edge at $((ix - 5)), saw $right"
[ "$bottom" -le "$iy" ] || fail "expected the menu above the taskbar, its bottom is $bottom"

# "退出程序", the second of the two items.
click_at $(((left + right) / 2)) $((top + (bottom - top) * 3 / 4))
expect_exit 0 10
wait_for "the icon to vanish" 5 tray_empty
echo "PASS"
