#!/usr/bin/env bash
# The faces as the user sees them: the digits of the local time, the analog
# face with its hands at the right angles and the round transparent analog
# window over a window behind the clock (the transparent digits have
# test_transparent.sh).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/faces_lib.sh"

GREY=c0c0c0
NAVY=000080
BLUE=0000c0
XOR_RED=c03f3f   # the cyan second hand exclusive-or the grey face

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
CX=60 CY=60 R=56
# Whether a position lies within 3 of a hand (the second hand runs through
# the centre, so its tail counts too).
near_a_hand() {  # position second
  local h d
  for h in 23 40 "$2" $(( ($2 + 30) % 60 )); do
    d=$(( ($1 - h + 60) % 60 )); (( d > 30 )) && d=$(( 60 - d ))
    (( d <= 3 )) && return 0
  done
  return 1
}
colour_at() {  # position distance -> colour of the client pixel there
  local xy; xy="$(at_position $CX $CY "$1" "$2")"
  px ${xy% *} ${xy#* }
}
has_colour_near() {  # position distance colour: within two pixels
  local xy x y dx dy; xy="$(at_position $CX $CY "$1" "$2")"; x=${xy% *}; y=${xy#* }
  for dx in -2 -1 0 1 2; do for dy in -2 -1 0 1 2; do
    [ "$(px $((x + dx)) $((y + dy)))" = "$3" ] && return 0
  done; done
  return 1
}

analog_settings
TZ="$(tz_at 04:40:05)"
export TZ
start_clock
client_area
[ "$CL_W,$CL_H" = "120,120" ] || fail "analog client is ${CL_W}x$CL_H"
shot="$(shot_client analog)"
second=$(date +%-S)
unset TZ
load_pixels "$shot"
[ "$(colour_at 40 26)" = $NAVY ] || fail "no minute hand at 40 (got $(colour_at 40 26))"
[ "$(colour_at 23 15)" = $BLUE ] || fail "no hour hand at position 23 (got $(colour_at 23 15))"
for p in 2 8 12 17 28 33 47 52 57; do
  near_a_hand "$p" "$second" && continue
  [ "$(colour_at "$p" 30)" = $GREY ] || fail "the face at position $p is $(colour_at "$p" 30)"
done
# The hour hand has moved on from the full hour.
near_a_hand 20 "$second" || [ "$(colour_at 20 15)" = $GREY ] ||
  fail "the hour hand points at the full hour"
for m in 0 5 10 15 20 25 30 35 40 45 50 55; do
  has_colour_near $m $((R - 2)) $NAVY || fail "no hour mark at position $m"
done
(( $(count_colour $XOR_RED) >= 15 )) || fail "no exclusive-or second hand on the face"
[ "$(px 1 1)" != $GREY ] || fail "the face fills the corner: no disc"
stop_clock
pass "analog: disc, twelve marks, hour hand at 23 and minute hand at 40 for 4:40, red second hand"

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
