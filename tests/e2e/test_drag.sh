#!/usr/bin/env bash
# Moving the clock with the left button: a drag moves it by the cursor's
# way, its size kept.
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
