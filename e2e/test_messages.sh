#!/usr/bin/env bash
# The two information messages and their order; then the close box ends the program.
set -u
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

start_program
click_control $ID_POWER_OFF
[ "$(control_checked $ID_POWER_OFF)" = 0 ] || fail "expected a click on 关机 to untick it"
[ "$(control_checked $ID_SLEEP)" = 0 ] || fail "expected 睡眠 to stay unticked"
click_control $ID_SLEEP
[ "$(control_checked $ID_SLEEP)" = 1 ] || fail "expected 睡眠 ticked"
click_control $ID_SLEEP
[ "$(control_checked $ID_SLEEP)" = 0 ] || fail "expected 睡眠 unticked again"

click_control $ID_BUTTON
wait_for "the first message" 5 message_open
first=$(probe msgbox)
[ "$first" = "信息：|您要选择关机或睡眠的时间哦！" ] || fail "expected the no-delay message first, saw '$first'"
screenshot first-message >/dev/null
key Return
second_message() { [ "$(probe msgbox)" = "信息：|您要选择是关机还是睡眠！" ]; }
wait_for "the no-action message second" 5 second_message
screenshot second-message >/dev/null
key Return
wait_for "the messages to close" 5 message_closed
is_main visible || fail "expected the window to stay visible, it is $(main_state)"

click_close_box
expect_exit 0 10
echo "PASS"
