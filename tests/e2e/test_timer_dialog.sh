#!/usr/bin/env bash
# The timer command opens "ﾀｲﾏの設定" from the pop-up menu; a bad time is
# refused with the "Tivora" message box; OK after editing stores every alarm
# as the dialog shows it; Esc stores nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"

DIALOG_TITLE='^ﾀｲﾏの設定$'

# Waits until a window titled $1 is shown (or, with "gone", hidden). Its
# own: menu_lib.sh's returns the window's id.
wait_window() {
  for _ in $(seq 60); do
    local id
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)"
    if [ "${2:-}" = gone ]; then [ -z "$id" ] && return 0; else [ -n "$id" ] && return 0; fi
    sleep 0.1
  done
  return 1
}

open_timer_dialog() {
  choose r
  wait_window "$DIALOG_TITLE" ||
    fail "ﾀｲﾏの設定(&R)... opened no dialog (screenshot $(screenshot no-timer-dialog))"
}

# Clicks the middle of a control given in dialog units (x y w h), mapped onto
# the dialog's window: a 3-pixel frame and a 19-pixel caption around the
# 195 x 193 units of its client area. The click moves the focus only when
# the dialog reads it, and the keys that follow go to the focus: they wait
# a moment, as they do after each key that moves the focus below.
click_control() {
  local dialog; dialog="$(xdotool search --onlyvisible --name "$DIALOG_TITLE" | head -1)"
  window_geometry "$dialog"
  local cw=$((WIN_W - 6)) ch=$((WIN_H - 25))
  xdotool mousemove $((WIN_X + 3 + ($1 + $3 / 2) * cw / 195)) \
    $((WIN_Y + 22 + ($2 + $4 / 2) * ch / 193)) click 1
  sleep 0.2
}
TIME1="25 53 48 12"

# Types into the field that has the focus (a tabbed-to edit has its text
# selected, so typing replaces it). The short pauses let the dialog move
# the focus before the next keys come: nothing on the screen tells it has.
field() { xdotool type --delay 40 "$1"; sleep 0.1; }
next() { xdotool key --delay 60 Tab; sleep 0.1; }

expect_stored() {
  eventually text_is Timer "$1" "$2" || fail "$1 is '$(reg_get Timer "$1")', not '$2'"
}

reset_registry
reg_set Timer OnTimer 1
reg_set Timer On1 0
reg_set_sz Timer Alarm1 06:00
reg_set_sz Timer Msg1 "朝"
reg_set_sz Timer Msg3 "寝る時間"   # kept as shown: only plain letters are typed, as
                                  # xdotool's remapped keys for kana reach Wine unreliably
reg_set Timer AlarmCount 5
start_clock
open_timer_dialog
echo "as opened: $(screenshot timer-dialog-opened)"

# From alarm 1's time back to its check box; the tab order runs along each row.
click_control $TIME1
xdotool key shift+Tab; sleep 0.1
xdotool key space; next              # alarm 1 on
field "06:45"; next
field "wake up"; next
next                                 # alarm 2 stays off
field "7:30"; next                   # four characters: refused at OK
field "lunch"; next
xdotool key space; next              # alarm 3 on
field "23 59"; next
next                                 # alarm 3's message stays
next
field "00.01"; next
field "x"; next
field "12"
echo "as edited: $(screenshot timer-dialog-edited)"
xdotool key Return

wait_window '^Tivora$' || fail "no message box for 7:30 (screenshot $(screenshot no-box))"
echo "refused: $(screenshot timer-dialog-refused)"
[ -z "$(reg_get Timer Alarm2)" ] || fail "a refused dialog stored Alarm2"
xdotool key Return
wait_window '^Tivora$' gone || fail "the message box did not close"
wait_window "$DIALOG_TITLE" || fail "the dialog closed after a refused OK"
# The focus is back on alarm 2's time, with the text as typed.
xdotool key End BackSpace BackSpace BackSpace BackSpace
field "12.00"
echo "corrected: $(screenshot timer-dialog-corrected)"
xdotool key Return
wait_window "$DIALOG_TITLE" gone || fail "OK did not close the dialog (screenshot $(screenshot ok-stays))"

expect_stored OnTimer 0x1
expect_stored On1 0x1;  expect_stored Alarm1 06:45; expect_stored Msg1 "wake up"
expect_stored On2 0x0;  expect_stored Alarm2 12:00; expect_stored Msg2 lunch
expect_stored On3 0x1;  expect_stored Alarm3 23:59; expect_stored Msg3 "寝る時間"
expect_stored On4 0x0;  expect_stored Alarm4 00:01; expect_stored Msg4 x
expect_stored AlarmCount 0xc
pass "ﾀｲﾏの設定: 7:30 refused with the Tivora box, OK stored Alarm1..Msg4 as shown"

# Opened again it shows what was stored; Esc after an edit keeps it.
open_timer_dialog
echo "reopened: $(screenshot timer-dialog-reopened)"
click_control $TIME1
xdotool key End shift+Home
field "09:09"
xdotool key Escape
wait_window "$DIALOG_TITLE" gone || fail "Esc did not close the dialog"
expect_stored Alarm1 06:45
expect_stored Msg1 "wake up"
stop_clock
pass "Esc after an edit stores nothing"
