#!/usr/bin/env bash
# The date tooltip on the real clock: switched on from the menu with the
# caption hidden, it shows the date when the pointer rests on the clock;
# with the caption shown it stays away, as seen in the same band where it
# showed.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"

# rest_pointer: moves the pointer away, then rests it on the clock. The
# pauses let the tooltip see the pointer leave and come back as separate
# moves.
rest_pointer() {
  window_geometry
  xdotool mousemove 700 600; sleep 0.5
  xdotool mousemove $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H / 2)); sleep 0.1
  xdotool mousemove $((WIN_X + WIN_W / 2 + 1)) $((WIN_Y + WIN_H / 2))
}
# look NAME: counts the tooltip's white pixels in the band below the window
# (the desktop is black).
look() {
  local shot; shot="$(screenshot "$1")"
  TIP_WHITE="$(count_colour "$shot" "300x40+$((WIN_X - 50))+$((WIN_Y + WIN_H))" ffffff)" ||
    fail "could not read the screenshot $shot"
}
tip_shown() { look "$1"; (( TIP_WHITE > 400 )); }
# A tooltip comes well within 2 s of the rest; where none may come, the
# band is looked at after that time.
rest_and_look() { rest_pointer; sleep 2; look "$1"; }

reset_registry
start_clock
choose o
eventually dword_is Settings OnToolTip 1 || fail "OnToolTip after ﾂｰﾙﾁｯﾌﾟ表示(&O)"
rest_pointer
eventually tip_shown tooltip_on || fail "no tooltip under the resting pointer ($TIP_WHITE white pixels)"
pass "ﾂｰﾙﾁｯﾌﾟ表示(&O) writes OnToolTip=1 and the date shows when the pointer rests"

choose c
eventually dword_is Settings OnCaption 1 || fail "OnCaption after ｷｬﾌﾟｼｮﾝ表示(&C)"
rest_and_look tooltip_caption
[ "$TIP_WHITE" = 0 ] || fail "the tooltip showed beside the caption ($TIP_WHITE white pixels)"
pass "with the caption shown the title carries the date and no tooltip comes"
