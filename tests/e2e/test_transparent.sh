#!/usr/bin/env bash
# The transparent displays as the user sees them over another window: the
# round analog window, shaped to its disc, with that window at its corners;
# the digital one with that window's colour between the digits, the digits
# anti-aliased in the text colour, and the menu, the drag and the double
# click from any point of the clock's rectangle, the bare ground between the
# digits included. A layered window of per-pixel alpha shows what lies
# behind only under a compositing manager (without one its ground is black),
# as on Windows, which always composes: xcompmgr runs on the test display
# for the digits.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"
source "$(dirname "$0")/faces_lib.sh"

COMPOSITOR_PID=""
trap 'stop_clock; stop_backdrop; [ -z "$COMPOSITOR_PID" ] || kill "$COMPOSITOR_PID" 2>/dev/null || true' EXIT

# --- the round analog window ------------------------------------------------------
# 120 x 120 without border: the disc of radius 56 round (60, 60) is all
# that shows of the window.
reset_registry
reg_set Settings OnAnalog 1
reg_set Settings OnTransparent 1
reg_set Settings OnBorder 0
reg_set Settings Width 120
reg_set Settings Height 120
start_backdrop
start_clock
client_area
[ "$CL_W,$CL_H" = "120,120" ] || fail "the round clock's client is ${CL_W}x$CL_H"
load_pixels "$(shot_client round)"
screenshot round-over-window >/dev/null
for corner in "2 2" "117 2" "2 117" "117 117"; do
  [ "$(px $corner)" = $BACKDROP_COLOUR ] || fail "corner $corner is $(px $corner), not the window behind"
done
[ "$(px 60 6)" = $BACKDROP_COLOUR ] && fail "the top of the disc is missing"
[ "$(px 2 60)" = $BACKDROP_COLOUR ] || fail "left of the disc is $(px 2 60)"
# The X window itself is shaped to the disc's box (4, 4) and no wider.
extents="$(xwininfo -id "$CLOCK_WIN" -shape | sed -n 's/.*Window shape extents: *//p')"
[[ "$extents" == *+4+4 ]] || fail "the X window's shape is '${extents:-none}'"
stop_clock
pass "transparent analog without caption: a round window over the one behind"

# --- the floating digits ----------------------------------------------------------
xcompmgr >/dev/null 2>&1 &
COMPOSITOR_PID=$!

RED=ff0000
# near A B: every channel of the two rrggbb colours within 2 (the ground
# of alpha 1 darkens what lies behind by at most one step).
near() {
  local i
  for i in 0 2 4; do
    local d=$(( 16#${1:i:2} - 16#${2:i:2} ))
    (( d >= -2 && d <= 2 )) || return 1
  done
}
# Classifies every pixel of the loaded shot: the window behind, solid
# digit, a blend between the two, or something else.
classify() {
  awk -v b="$BACKDROP_COLOUR" -v t="$RED" '
    function ch(c, i,   h) {
      h = substr(c, 2 * i + 1, 2)
      return 16 * (index("0123456789abcdef", substr(h, 1, 1)) - 1) + index("0123456789abcdef", substr(h, 2, 1)) - 1 }
    function between(c, i,   lo, hi, v) {
      lo = ch(b, i); hi = ch(t, i); if (lo > hi) { v = lo; lo = hi; hi = v }
      v = ch(c, i); return v >= lo - 2 && v <= hi + 2 }
    function nearly(c, d,   i) { for (i = 0; i < 3; i++) if (ch(c, i) - ch(d, i) > 2 || ch(d, i) - ch(c, i) > 2) return 0; return 1 }
    { c = $2
      if (nearly(c, b)) behind++
      else if (c == t) solid++
      else if (between(c, 0) && between(c, 1) && between(c, 2)) blend++
      else other++ }
    END { printf "%d %d %d %d\n", behind, solid, blend, other }' "$PIXELS"
}

reset_registry
reg_set Settings OnTransparent 1
reg_set Settings OnBorder 0
start_clock
# xcompmgr shows nothing of its own: the window behind, seen through the
# clock, tells that it composes.
composed() {
  client_area
  load_pixels "$(shot_client transparent-digital)"
  read -r behind solid blend other <<<"$(classify)"
  (( other == 0 && behind > 0 ))
}
eventually composed || fail "$other pixels are neither the window behind nor red digits"
kill -0 "$COMPOSITOR_PID" 2>/dev/null || fail "xcompmgr ended"
screenshot transparent-digital-over-window >/dev/null
(( solid > 60 )) || fail "no solid red digits ($solid pixels)"
(( blend > 20 )) || fail "the digits' edges are not anti-aliased ($blend blended pixels)"
(( behind > CL_W * CL_H / 2 )) || fail "the window behind shows in only $behind pixels"
near "$(px 2 2)" $BACKDROP_COLOUR || fail "the corner is $(px 2 2), not the window behind"
pass "transparent digital: the window behind between anti-aliased red digits"

# The bare ground left of the digits, 4 pixels in from the edge.
window_geometry
gx=$((WIN_X + 4)) gy=$((WIN_Y + WIN_H / 2))
near "$(px 4 $((WIN_H / 2)))" $BACKDROP_COLOUR || fail "the ground at the left edge is painted"
shown="$(clock_windows)"
open_menu "$gx" "$gy"
more_windows_than "$shown" || fail "a right click on the bare ground opened no menu"
xdotool key Escape
eventually at_most_windows "$shown" || fail "the menu did not close"
pass "a right click on the ground between edge and digits opens the menu"

x0=$WIN_X y0=$WIN_Y
drag 30 20 "$gx" "$gy"
window_geometry
[ "$WIN_X,$WIN_Y" = "$((x0 + 30)),$((y0 + 20))" ] ||
  fail "a drag from the ground moved the clock to $WIN_X,$WIN_Y, not $((x0 + 30)),$((y0 + 20))"
[ "$(probe zorder | sed -E 's/.*below=([0-9]+).*/\1/')" = 0 ] || fail "not at the bottom after the drag"
# The compositor shows the window at its new place a moment after X moved it.
# The outermost pixels are left out: the drag's band was drawn exactly there
# by inverting the screen, and under a compositing manager what lies behind
# the window may keep a trace of it that no window of the clock's can paint.
shows_digits_again() {
  client_area
  local shot="$SHOTS/transparent-digital-moved.png"
  import -window root -crop "$((CL_W - 4))x$((CL_H - 4))+$((CL_X + 2))+$((CL_Y + 2))" +repage "$shot"
  load_pixels "$shot"
  read -r behind solid blend other <<<"$(classify)"
  (( other == 0 && solid > 60 ))
}
eventually shows_digits_again || fail "after the drag: $solid red, $other other pixels"
pass "a drag from the ground moves the clock, which shows the same at its new place"

gx=$((WIN_X + 4)) gy=$((WIN_Y + WIN_H / 2))
xdotool mousemove "$gx" "$gy"; sleep 0.2   # the pointer over the clock before the click
keep_screen
xdotool click --repeat 2 --delay 80 1
eventually dword_is Settings OnCaption 1 || fail "a double click on the ground gave no caption"
eventually style_has 0x00C80000 || fail "no caption style: $(probe styles)"
# Wine gives the window another X window when it stops being layered.
CLOCK_WIN="$(await_window 50 --onlyvisible --name '^Tivora')"
drawn_since_kept "$CLOCK_WIN" || true
window_geometry
load_pixels "$(screenshot transparent-digital-caption)"
title="$(px $((WIN_X + WIN_W / 2)) $((WIN_Y + 5)))"
near "$title" $BACKDROP_COLOUR && fail "the caption does not show: the window behind at its place"
pass "a double click on the ground shows the caption"

# With the caption the digits still stand over the window behind.
backdrop_below_caption() {
  client_area
  # Below the caption: the frame's width at the sides and the bottom.
  CL_Y=$(( WIN_Y + WIN_H - CL_H - (WIN_W - CL_W) / 2 ))
  load_pixels "$(shot_client transparent-digital-caption-client)"
  read -r behind solid blend other <<<"$(classify)"
  (( behind > CL_W * CL_H / 2 && solid > 60 ))
}
eventually backdrop_below_caption ||
  fail "with the caption: the window behind in $behind, red digits in $solid of $((CL_W * CL_H)) pixels"
pass "with the caption the window behind still shows between the digits"
