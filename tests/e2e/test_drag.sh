#!/usr/bin/env bash
# Moving the clock with the left button: a drag moves it by the cursor's
# way; a press with moves of at most 4 pixels is a click and moves nothing.
source "$(dirname "$0")/lib.sh"

reset_registry
start_clock
window_geometry
x0=$WIN_X y0=$WIN_Y
drag 30 0
window_geometry
[ "$WIN_X,$WIN_Y" = "$((x0 + 30)),$y0" ] || fail "a 30-pixel drag right moved to $WIN_X,$WIN_Y"
drag 0 30
window_geometry
[ "$WIN_X,$WIN_Y" = "$((x0 + 30)),$((y0 + 30))" ] || fail "a 30-pixel drag down moved to $WIN_X,$WIN_Y"
[ "$WIN_W"x"$WIN_H" = 116x45 ] || fail "the drag changed the size to ${WIN_W}x$WIN_H"
pass "drags of 30 pixels move the window by 30 pixels, size kept"

# Inside the dead zone: every move stays within 4 pixels of the press. The
# pauses keep the press and each move apart as separate events, as in drag;
# after the release nothing may move, which no effect can tell has been
# decided: the window is looked at half a second later.
x1=$WIN_X y1=$WIN_Y
px=$((WIN_X + 50)) py=$((WIN_Y + 20))
xdotool mousemove $px $py; sleep 0.2
xdotool mousedown 1; sleep 0.2
for d in "4 0" "4 4" "0 4" "-4 4" "-4 -4" "3 -4"; do
  read -r dx dy <<<"$d"
  xdotool mousemove $((px + dx)) $((py + dy)); sleep 0.08
done
xdotool mouseup 1; sleep 0.5
window_geometry
[ "$WIN_X,$WIN_Y" = "$x1,$y1" ] || fail "moves of 4 pixels moved the window to $WIN_X,$WIN_Y"
pass "a press with moves of at most 4 pixels moves nothing"

# Five pixels along one axis is a drag.
drag 5 0 $px $py
window_geometry
[ "$WIN_X,$WIN_Y" = "$((x1 + 5)),$y1" ] || fail "a 5-pixel drag moved to $WIN_X,$WIN_Y"
pass "5 pixels along one axis start the drag"
