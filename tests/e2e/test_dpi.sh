#!/usr/bin/env bash
# The clock at a display scale of 150 % (LogPixels 144, which Wine reads when
# a program starts): the default window is at 150, 150, 174 x 68, its place
# is stored as 96-DPI figures, and the digits and the
# alarm notification's text are drawn 1.5 times as tall as at 96 DPI. The
# test starts at 96 DPI, as every test does (lib.sh), and puts it back when
# it ends.
source "$(dirname "$0")/lib.sh"

DPI_KEY='HKCU\Control Panel\Desktop'
set_dpi() { reg_add "$DPI_KEY" LogPixels REG_DWORD "$1"; }
trap 'stop_clock; set_dpi 96' EXIT

# The height of the red ink in a screenshot (the clock's text is red).
ink_height() {
  local box; box="$(convert "$1" -fuzz 25% -fill black +opaque '#ff0000' -format '%@' info:)"
  box="${box#*x}"
  echo "${box%%+*}"
}

# ratio_is_1_5 WHAT H96 H144: 144-DPI ink 1.4 to 1.6 times the 96-DPI ink.
ratio_is_1_5() {
  local percent=$(( $3 * 100 / $2 ))
  [ "$2" -gt 10 ] && [ $percent -ge 140 ] && [ $percent -le 160 ] ||
    fail "$1: ink $2 px at 96 DPI, $3 px at 144 DPI ($percent %)"
  echo "$1: ink $2 px at 96 DPI, $3 px at 144 DPI"
}

# The notification of an alarm due two seconds after the start, shown as a
# screenshot; no message, so that only the time is drawn in red.
notice_shot() {
  reset_registry
  reg_set Timer OnTimer 1
  reg_set Timer On1 1
  reg_set_sz Timer Alarm1 07:30
  reg_set_sz Timer Msg1 " "
  reg_set Timer AlarmCount 3
  reg_set Timer OnAutoDelete 1
  TZ="$(tz_at 07:29:58)" start_clock
  keep_screen
  local id; id="$(await_window 80 --onlyvisible --name '^Tivora$')"
  [ -n "$id" ] || fail "no notification at $1 DPI (screenshot $(screenshot "dpi-$1-no-notice"))"
  drawn_since_kept "$id" || true
  screenshot "dpi-$1-notice" "$id"
  stop_clock
}

# clock_shot DPI: sets SHOT to the default clock's window as a screenshot,
# and WIN_W, WIN_H to its size.
clock_shot() {
  reset_registry
  start_clock
  window_geometry
  SHOT="$(screenshot "dpi-$1-clock" "$CLOCK_WIN")"
  stop_clock
}

clock_shot 96
clock96="$SHOT"
notice96="$(notice_shot 96)"

# The window's place is kept as 96-DPI figures: the default 100, 100,
# 116 x 45 opens at 150, 150, 174 x 68 (and, as every start, does not take
# the focus), and a move of 30 pixels is stored as 20.
set_dpi 144
reset_registry
start_clock
placed="$(probe rect)"
[ "$placed" = "150 150 174 68" ] || fail "the default window at 144 DPI is at $placed, not 150 150 174 68"
[ "$(probe active)" = 0 ] || fail "the clock took the focus at start"
window_geometry
clock144="$(screenshot dpi-144-clock "$CLOCK_WIN")"
drag 30 0
moved="$(probe rect)"
[ "$moved" = "180 150 174 68" ] || fail "dragged by 30 pixels, the window is at $moved"
stop_clock
eventually dword_is Settings Left 120 || fail "moved to 180 at 144 DPI, Left holds '$(reg_get Settings Left)', not 120"
dword_is Settings Top 100 || fail "Top holds '$(reg_get Settings Top)', not 100"
pass "at 144 DPI the default window opens at 150, 150, 174 x 68 without the focus, and a move of 30 pixels is stored as 20"
convert "$clock96" "$clock144" -background black -gravity center +append "$SHOTS/dpi-clock-96-144.png"
ratio_is_1_5 "the digits" "$(ink_height "$clock96")" "$(ink_height "$clock144")"
pass "the digits at 144 DPI are 1.5 times as tall ($SHOTS/dpi-clock-96-144.png)"

notice144="$(notice_shot 144)"
convert "$notice96" "$notice144" -background black -gravity center +append \
  "$SHOTS/dpi-notice-96-144.png"
ratio_is_1_5 "the notification's time" "$(ink_height "$notice96")" "$(ink_height "$notice144")"
pass "the notification's text at 144 DPI is 1.5 times as tall ($SHOTS/dpi-notice-96-144.png)"
