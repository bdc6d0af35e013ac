#!/usr/bin/env bash
# The pop-up menu on the real clock: its rows, Esc, the double click, the
# timer dialog opened by its access key, and the exit.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"

reset_registry
start_clock
open_menu
shot="$(screenshot menu_defaults)"
menu_size "$shot"
(( MENU_W > 100 && MENU_H > 200 )) || fail "no menu of seventeen rows opened (${MENU_W}x${MENU_H})"
xdotool key Escape
eventually not_shown "$MENU_WIN" || fail "Esc did not close the menu"
pass "right click opens the menu (${MENU_W}x${MENU_H}) and Esc closes it"

# Double click low in the window: with the caption on, the client area moves
# down. The pointer must be there before the first press.
window_geometry
xdotool mousemove $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H - 8)); sleep 0.2
xdotool click --repeat 2 --delay 80 1
eventually dword_is Settings OnCaption 1 || fail "OnCaption after a double click"
eventually style_has 0x00C80000 || fail "no caption after a double click: $(probe styles)"
# The clock handles its messages in turn: a write of the menu's close
# would be stored by now.
[ "$(settings_dump | awk '{print $1}')" = OnCaption ] ||
  fail "the menu's open and close, or the double click, wrote: $(settings_dump)"
screenshot caption_on >/dev/null
pass "the menu wrote nothing; a double click shows the caption and writes OnCaption"

choose r
timer="$(wait_window 'ﾀｲﾏの設定')"
[ -n "$timer" ] || fail "ﾀｲﾏの設定(&R)... opened no dialog (screenshot $(screenshot no-timer-dialog))"
screenshot timer_dialog >/dev/null
xdotool key Escape
eventually not_shown "$timer" || fail "Esc did not close ﾀｲﾏの設定"
pass "ﾀｲﾏの設定(&R)... opens the timer dialog and Esc closes it"

# The exit: the placement is saved then, and not before.
drag 40 30
absent Settings Left || fail "the placement was saved before the exit"
window_geometry
moved_x=$WIN_X moved_y=$WIN_Y
choose x
wait_for_exit || fail "終了(&X) did not end the program"
CLOCK_PID=""
eventually dword_is Settings Left "$moved_x" || fail "Left at exit: $(reg_get Settings Left)"
eventually dword_is Settings Top "$moved_y" || fail "Top at exit: $(reg_get Settings Top)"
pass "終了(&X) ends the program and saves the placement then"
