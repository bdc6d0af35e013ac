#!/usr/bin/env bash
# The alarm of 07:30 on a clock started at 07:29:51, after a quick flick of
# the mouse out of the clock just before: the face keeps ticking, and the
# notification "Tivora" comes in the first seconds of the minute, over the
# clock on the screen, with its red text. (Its beeps, its closing itself and
# that it comes once have win.alarm_notification and win.clock_tick.)
source "$(dirname "$0")/lib.sh"

BLUE=0000ff
# The clock sits where the centred notification will cover it.
CLOCK_LEFT=454
CLOCK_TOP=362

# Waits for the notice until local time $1; fails if it comes before $2.
wait_for_notice() {
  local latest="$1" earliest="$2" id=""
  while [ "$(local_seconds)" -le "$(seconds_of "$latest")" ]; do
    id="$(notice)"
    if [ -n "$id" ]; then
      NOTICE_AT="$(local_time)"
      [ "$(seconds_of "$NOTICE_AT")" -ge "$(seconds_of "$earliest")" ] ||
        fail "the notice came at $NOTICE_AT, before $earliest"
      NOTICE_WIN="$id"
      return 0
    fi
    sleep 0.05
  done
  fail "no notice by $latest (screenshot $(screenshot no-notice))"
}

# The notice covers the clock and shows red text: the time and the message.
check_notice_above_clock() {
  local shot="$1"
  window_geometry "$NOTICE_WIN"
  local nx=$WIN_X ny=$WIN_Y nw=$WIN_W nh=$WIN_H
  window_geometry "$CLOCK_WIN"
  local cx=$((WIN_X + WIN_W / 2)) cy=$((WIN_Y + WIN_H / 2))
  [ $cx -gt $nx ] && [ $cx -lt $((nx + nw)) ] && [ $cy -gt $ny ] && [ $cy -lt $((ny + nh)) ] ||
    fail "the notice ($nx,$ny ${nw}x$nh) does not lie over the clock's centre ($cx,$cy)"
  echo "notice screenshot: $(screenshot "$shot")"
  [ "$(pixel $cx $cy)" != "$BLUE" ] || fail "the clock shows through the notice: it is not above"
  local red; red="$(notice_red)"
  [ "$red" -gt 400 ] || fail "the notice shows little red ($red pixels)"
}
notice_red() {  # the red pixels in the notice
  window_geometry "$NOTICE_WIN"
  import -window root -crop "${WIN_W}x$WIN_H+$WIN_X+$WIN_Y" -depth 8 txt:- | grep -ci '#FF0000' || true
}
notice_drawn() { [ "$(notice_red)" -gt 400 ]; }

# A quick flick: pressed just inside the clock's left edge and released
# outside it, in one motion. Sets FLICK_FROM; the window should go 8 pixels left.
flick_out() {
  window_geometry "$CLOCK_WIN"
  local x=$((WIN_X + 3)) y=$((WIN_Y + WIN_H / 2))
  FLICK_FROM="$WIN_X,$WIN_Y"
  xdotool mousemove $x $y; sleep 0.2  # the pointer over the clock before the press
  # The pause lets the clock take the press (and, fixed, the capture) before
  # the flick; nothing outside can be asked for that.
  xdotool mousedown 1; sleep 0.3
  xdotool mousemove $((x - 8)) $y mouseup 1
  eventually moved_from "$FLICK_FROM" || true
}
face_shot() {  # face_shot NAME: the clock window's pixels as a PNG
  window_geometry "$CLOCK_WIN"
  import -window root -crop "${WIN_W}x$WIN_H+$WIN_X+$WIN_Y" +repage "$SHOTS/$1.png"
  echo "$SHOTS/$1.png"
}
# True once the face differs from the picture $1, asked for up to 2 s.
face_changes_from() {
  local now diff
  for _ in $(seq 20); do
    sleep 0.1
    now="$(face_shot face-after-release)"
    # compare prints the count of differing pixels, or why it could not
    # compare: that must fail the test, not count as a change.
    diff="$(compare -metric AE "$1" "$now" null: 2>&1 || true)"
    [[ "$diff" =~ ^[0-9.e+]+$ ]] || fail "could not compare the face's screenshots: $diff"
    [ "$diff" != 0 ] && return 0
  done
  return 1
}

reset_registry
reg_set Settings Left $CLOCK_LEFT
reg_set Settings Top $CLOCK_TOP
reg_set Settings BkColor 0x00ff0000   # blue: plainly the clock, not the notice
reg_set Settings OnSecond 1
reg_set Timer OnTimer 1
reg_set Timer On1 1
reg_set_sz Timer Alarm1 07:30
reg_set_sz Timer Msg1 "起きる時間"
reg_set Timer AlarmCount 3
reg_set Timer OnAutoDelete 1
reg_set Timer OnUseWave 0
ZONE="$(tz_at 07:29:51)"
TZ="$ZONE" start_clock
window_geometry
[ "$WIN_X,$WIN_Y" = "$CLOCK_LEFT,$CLOCK_TOP" ] || fail "the clock is at $WIN_X,$WIN_Y"
flick_out
before="$(face_shot face-at-release)"
face_changes_from "$before" ||
  fail "the seconds stood still after a flick out of the clock ($before)"
echo "face after the flick at $(local_time): $before, $SHOTS/face-after-release.png"
window_geometry "$CLOCK_WIN"
[ "$WIN_X,$WIN_Y" = "$((CLOCK_LEFT - 8)),$CLOCK_TOP" ] ||
  fail "the flick of 8 pixels left dropped the clock at $WIN_X,$WIN_Y"
wait_for_notice 07:30:03 07:30:00
eventually notice_drawn || true
check_notice_above_clock alarm-notice
stop_clock
pass "07:30 alarm after a flick: face ticking, notice over the clock at $NOTICE_AT"
