#!/usr/bin/env bash
# Start-up with an empty registry, with stored styles, with a clamped
# placement, and the placement saved at exit only when the window moved.
source "$(dirname "$0")/lib.sh"

reset_registry
start_clock
window_geometry
[ "$WIN_X,$WIN_Y,$WIN_W,$WIN_H" = "100,100,116,45" ] ||
  fail "default placement is $WIN_X,$WIN_Y ${WIN_W}x$WIN_H"
case "$(window_title)" in "Tivora - "*年*月*日*) ;; *) fail "title '$(window_title)'" ;; esac
stop_clock
[ -z "$(reg_get Settings Left)" ] || fail "closing an unmoved clock wrote its placement"
pass "defaults: (100,100) 116x45, date title, nothing saved"

reset_registry
reg_set Settings Left 2000
reg_set Settings Top 0xffffffce
reg_set Settings Width 5
start_clock
window_geometry
[ "$WIN_X,$WIN_Y,$WIN_W" = "1008,0,16" ] || fail "clamped placement is $WIN_X,$WIN_Y ${WIN_W}"
stop_clock
[ "$(reg_dword Settings Left)" = 2000 ] || fail "the clamped but unmoved clock rewrote Left"
pass "stored 2000/-50/5 opens clamped at 1008,0 16 wide and is not rewritten"

reset_registry
start_clock
drag 200 100
stop_clock
[ "$(reg_dword Settings Left)" = 300 ] || fail "Left after a move: $(reg_get Settings Left)"
[ "$(reg_dword Settings Top)" = 200 ] || fail "Top after a move: $(reg_get Settings Top)"
[ "$(reg_dword Settings Width)" = 116 ] || fail "Width after a move"
[ "$(reg_dword Settings Height)" = 45 ] || fail "Height after a move"
pass "a moved clock saves Left, Top, Width, Height at exit"
