#!/usr/bin/env bash
# The pop-up menu on the real clock: its rows, the switches chosen by their
# access keys and written at once, the double click, the About box and the
# exit.
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
sleep 0.5  # a wrong write would follow the close at once; give it the time
[ -z "$(settings_dump)" ] || fail "opening and closing the menu wrote: $(settings_dump)"
pass "right click opens the menu (${MENU_W}x${MENU_H}), Esc closes it and writes nothing"

choose t
eventually dword_is Settings OnTop 1 || fail "OnTop after 常に手前表示(&T): '$(reg_get Settings OnTop)'"
kill -0 "$CLOCK_PID" || fail "the clock ended"
is_topmost() { [ "$(probe zorder | cut -d' ' -f1)" = topmost=1 ]; }
eventually is_topmost || fail "not topmost: $(probe zorder)"
pass "常に手前表示(&T) by its key writes OnTop=1 while the clock runs, and the window is topmost"
choose t
eventually dword_is Settings OnTop 0 || fail "OnTop after the second choice"

# Double click low in the window: with the caption on, the client area moves
# down. The pointer must be there before the first press.
window_geometry
xdotool mousemove $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H - 8)); sleep 0.2
xdotool click --repeat 2 --delay 80 1
eventually dword_is Settings OnCaption 1 || fail "OnCaption after a double click"
eventually style_has 0x00C80000 || fail "no caption after a double click: $(probe styles)"
screenshot caption_on >/dev/null
window_geometry
xdotool mousemove $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H - 8)); sleep 0.2
xdotool click --repeat 2 --delay 80 1
eventually dword_is Settings OnCaption 0 || fail "OnCaption after the second double click"
no_caption() { ! style_has 0x00C80000; }
eventually no_caption || fail "the caption stayed: $(probe styles)"
pass "a double click shows and hides the caption and writes OnCaption"

choose g
eventually dword_is Settings OnAnalog 1 || fail "OnAnalog after ｱﾅﾛｸﾞ表示(&G)"
eventually dword_is Settings OnTransparent 0 || fail "OnTransparent not written as 0"
screenshot analog_face >/dev/null
pass "ｱﾅﾛｸﾞ表示(&G) switches the face and writes OnAnalog=1 and OnTransparent=0"

[ "$(probe region)" = none ] || fail "a square analog clock has a region: $(probe region)"
choose i
eventually dword_is Settings OnTransparent 1 || fail "OnTransparent after 透明表示(&I)"
is_round() { [ "$(probe region)" != none ]; }
eventually is_round || fail "the transparent analog clock is not round"
shot="$(screenshot analog_round)"
window_geometry
corner="$(count_colour "$shot" "4x4+$WIN_X+$WIN_Y" 000000)"
[ "$corner" = 16 ] || fail "the window's corner is not the desktop behind it ($corner of 16 black)"
pass "透明表示(&I) makes the analog clock without caption round: the desktop shows at its corner"

choose a
about="$(wait_window 'ﾊﾞｰｼﾞｮﾝ情報')"
[ -n "$about" ] || fail "the About box did not open"
screenshot about_box >/dev/null
before="$(settings_dump)"
xdotool key Escape
eventually not_shown "$about" || fail "Esc did not close the About box"
sleep 0.5  # a wrong write or end would follow the close at once; give it the time
[ "$(settings_dump)" = "$before" ] || fail "the About box wrote something"
kill -0 "$CLOCK_PID" || fail "the clock ended with the About box"
pass "ﾊﾞｰｼﾞｮﾝ情報(&A)... shows the About box and Esc closes it"

# The exit: the placement is saved then, and not before.
drag 40 30
[ -z "$(reg_get Settings Left)" ] || fail "the placement was saved before the exit"
window_geometry
moved_x=$WIN_X moved_y=$WIN_Y
choose x
wait_for_exit || fail "終了(&X) did not end the program"
CLOCK_PID=""
eventually dword_is Settings Left "$moved_x" || fail "Left at exit: $(reg_get Settings Left)"
eventually dword_is Settings Top "$moved_y" || fail "Top at exit: $(reg_get Settings Top)"
pass "終了(&X) ends the program and saves the placement then"
