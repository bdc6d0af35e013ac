#!/usr/bin/env bash
# The faces as the user sees them: the digits of the local time, the analog
# hands at the angles of the local time (the face's drawing itself has
# win.analog_painting) and the round transparent analog window over a
# window behind the clock (the transparent digits have
# test_transparent.sh).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/faces_lib.sh"

NAVY=000080
BLUE=0000c0

# --- digital --------------------------------------------------------------------
TZONE=XXX+05:12:07
reset_registry
TZ=$TZONE start_clock
client_area
shows_time_now digital '%-H:%M' "$TZONE" ||
  fail "the default clock does not show the local time as red H:MM on grey"
stop_clock
pass "default clock: red H:MM of the local time, centred on light grey"

# --- analog -----------------------------------------------------------------------
# 120 x 120 without border: radius 56 round (60, 60). At 4:40 the hour hand
# stands three steps past the 4 (position 23) and the minute hand at 40.
analog_settings() {
  reset_registry
  reg_set Settings OnAnalog 1
  reg_set Settings OnSecond 1
  reg_set Settings OnBorder 0
  reg_set Settings Width 120
  reg_set Settings Height 120
}
CX=60 CY=60
colour_at() {  # position distance -> colour of the client pixel there
  local xy; xy="$(at_position $CX $CY "$1" "$2")"
  px ${xy% *} ${xy#* }
}

analog_settings
TZ="$(tz_at 04:40:05)"
export TZ
start_clock
client_area
[ "$CL_W,$CL_H" = "120,120" ] || fail "analog client is ${CL_W}x$CL_H"
shot="$(shot_client analog)"
unset TZ
load_pixels "$shot"
[ "$(colour_at 40 26)" = $NAVY ] || fail "no minute hand at 40 (got $(colour_at 40 26))"
[ "$(colour_at 23 15)" = $BLUE ] || fail "no hour hand at position 23 (got $(colour_at 23 15))"
stop_clock
pass "analog: hour hand at 23 and minute hand at 40 for 4:40 of the local time"

# --- transparent analog: a round window ----------------------------------------------
analog_settings
reg_set Settings OnTransparent 1
start_backdrop
start_clock
client_area
shot="$(shot_client round)"
screenshot round-over-window >/dev/null
load_pixels "$shot"
for corner in "2 2" "117 2" "2 117" "117 117"; do
  [ "$(px $corner)" = $BACKDROP_COLOUR ] || fail "corner $corner is $(px $corner), not the window behind"
done
[ "$(px 60 6)" = $BACKDROP_COLOUR ] && fail "the top of the disc is missing"
[ "$(px 2 60)" = $BACKDROP_COLOUR ] || fail "left of the disc is $(px 2 60)"
# The X window itself is shaped to the disc's box (4, 4) and no wider.
extents="$(xwininfo -id "$CLOCK_WIN" -shape | sed -n 's/.*Window shape extents: *//p')"
[[ "$extents" == *+4+4 ]] || fail "the X window's shape is '${extents:-none}'"
stop_clock
stop_backdrop
pass "transparent analog without caption: a round window over the one behind"
