#!/usr/bin/env bash
# Start-up with an empty registry, in a time zone of its own (a stored
# placement off the screen has test_monitors.sh); the end of a session
# closes the clock only when it really ends.
source "$(dirname "$0")/lib.sh"

WEEKDAYS=(日 月 火 水 木 金 土)
# The title for a moment (epoch seconds) in a zone: "Tivora - 2002年3月14日(木)".
title_for() {
  local tz="$1" at="$2"
  echo "Tivora - $(TZ="$tz" date -d "@$at" +'%Y年%-m月%-d日')(${WEEKDAYS[$(TZ="$tz" date -d "@$at" +%w)]})"
}

reset_registry
TZONE=XXX-09:00:00
TZ=$TZONE start_clock
now=$(date +%s)
window_geometry
[ "$WIN_X,$WIN_Y,$WIN_W,$WIN_H" = "100,100,116,45" ] ||
  fail "default placement is $WIN_X,$WIN_Y ${WIN_W}x$WIN_H"
title="$(window_title)"
[ "$title" = "$(title_for $TZONE "$now")" ] || [ "$title" = "$(title_for $TZONE $((now - 2)))" ] ||
  fail "title '$title', wanted '$(title_for $TZONE "$now")'"
[ "$(probe active)" = 0 ] || fail "the clock took the focus at start"
stop_clock
absent Settings Left || fail "closing an unmoved clock wrote its placement"
pass "defaults: (100,100) 116x45, never activated, title '$title', nothing saved"

# The end of a session that goes on after all (FALSE) leaves the clock
# open; a real end (TRUE) closes it. The message is sent: when the probe
# returns, a window closed by it would already be destroyed.
reset_registry
start_clock
drag 40 20
probe endsession 0
probe styles | grep -q style= || fail "WM_ENDSESSION FALSE closed the clock"
absent Settings Left || fail "WM_ENDSESSION FALSE saved the placement"
probe endsession 1
wait_for_exit || fail "WM_ENDSESSION TRUE left the clock running"
pass "the session's end closes the clock only when it really ends"
