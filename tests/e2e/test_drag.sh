#!/usr/bin/env bash
# Moving the clock with the left button: a drag moves it by the cursor's
# way, its size kept.
source "$(dirname "$0")/lib.sh"

reset_registry
start_clock
window_geometry
x0=$WIN_X y0=$WIN_Y
drag 30 20
window_geometry
[ "$WIN_X,$WIN_Y" = "$((x0 + 30)),$((y0 + 20))" ] || fail "a drag by 30,20 moved to $WIN_X,$WIN_Y"
[ "$WIN_W"x"$WIN_H" = 116x45 ] || fail "the drag changed the size to ${WIN_W}x$WIN_H"
pass "a drag by 30,20 pixels moves the window by as much, size kept"
