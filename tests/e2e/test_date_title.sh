#!/usr/bin/env bash
# The title carries the date of the clock's local time, and a new date
# after midnight.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/faces_lib.sh"

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
title="$(window_title)"
[ "$title" = "$(title_for $TZONE "$now")" ] || [ "$title" = "$(title_for $TZONE $((now - 2)))" ] ||
  fail "title '$title', wanted '$(title_for $TZONE "$now")'"
stop_clock
pass "the title is '$title'"

# Started five seconds before midnight: the title turns to the new date.
TZONE="$(tz_at 23:59:55)"
TZ=$TZONE start_clock
before=$(date +%s)
old_title="$(window_title)"
if [ "$(TZ=$TZONE date -d "@$before" +%H)" = 23 ]; then
  [ "$old_title" = "$(title_for "$TZONE" "$before")" ] || fail "title before midnight '$old_title'"
fi
# A tick comes at most a second late; a busy machine gets a few more.
title=""
for _ in $(seq 40); do
  sleep 0.5
  now=$(date +%s)
  [ "$(TZ=$TZONE date -d "@$now" +%H)" = 00 ] || continue
  title="$(window_title)"
  [ "$title" = "$(title_for "$TZONE" "$now")" ] && break
  (( 10#$(TZ=$TZONE date -d "@$now" +%S) < 5 )) || fail "title after midnight '$title'"
done
[ "$(TZ=$TZONE date +%H)" = 00 ] || fail "midnight did not come"
[ "$title" != "$old_title" ] || fail "the date did not change"
stop_clock
pass "after midnight the title turns from '$old_title' to '$title'"
