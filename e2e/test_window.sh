#!/usr/bin/env bash
# The window as the user first sees it, its keyboard, and Esc from a list.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

start_program
rect=$(probe main)
[ "$rect" = "visible 200 188 624 392" ] || fail "expected the window at 200,188 size 624x392, saw '$rect'"
screenshot window >/dev/null

wait_for "the time field to show the date" 5 field_has_date
year=$(date +%Y)
text=$(control_text $ID_FIELD)
case $text in "$year年"*) ;; *) fail "expected the field to start with $year年, saw '$text'" ;; esac

# Tab walks the focus order and wraps; Shift+Tab walks back.
focus=$(probe focus)
[ "$focus" = "$ID_FIELD" ] || fail "expected the focus in the time field at start, saw control $focus"
for want in $ID_HOURS $ID_MINUTES $ID_POWER_OFF $ID_SLEEP $ID_BUTTON $ID_FIELD; do
  key Tab
  got=$(probe focus)
  [ "$got" = "$want" ] || fail "expected Tab to move the focus to control $want, saw $got"
done
for want in $ID_BUTTON $ID_SLEEP; do
  key shift+Tab
  got=$(probe focus)
  [ "$got" = "$want" ] || fail "expected Shift+Tab to move the focus to control $want, saw $got"
done

# Enter on the button presses nothing; Space presses it (no delay chosen: the message).
key Tab  # from the sleep box to the button
[ "$(probe focus)" = "$ID_BUTTON" ] || fail "expected the focus on the button"
key Return
sleep 1
boxes=$(probe msgbox)
[ -z "$boxes" ] || fail "expected Enter to press nothing, saw a message: $boxes"
key space
wait_for "the no-delay message" 5 message_open
boxes=$(probe msgbox)
[ "$boxes" = "信息：|您要选择关机或睡眠的时间哦！" ] || fail "expected the no-delay message, saw '$boxes'"
screenshot message >/dev/null
key Return
wait_for "the message to close" 5 message_closed

# Esc with the focus in a list ends the program with exit code 0.
click_control $ID_MINUTES
[ "$(probe focus)" = "$ID_MINUTES" ] || fail "expected the focus in the minutes list"
key Escape
expect_exit 0 10
echo "PASS"
