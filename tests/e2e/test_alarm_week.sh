#!/usr/bin/env bash
# Alarms for chosen weekdays and the snooze, on the real clock at 07:29:55:
# of two alarms at 07:30, the one whose days leave out today stays silent and
# the one for today alone rings; スヌーズ in its notification brings it back
# at 07:31, the snooze being one minute, and OK then ends it.
source "$(dirname "$0")/lib.sh"

TRACE="$TIVORA_BUILD/alarm-week-trace.txt"

# The messages that notifications drew from trace line $1 on, each once
# where it was drawn again and again.
drawn() {
  tail -n +"${1:-1}" "$TRACE" 2>/dev/null | grep -a 'Call user32.DrawTextW' |
    grep -aoE 'L"(TODAY|OFFDAY)"' | uniq | tr -d 'L"' | tr '\n' ' '
}
# Waits for a notice until local time $1; sets NOTICE_AT.
await_notice() {
  while [ "$(local_seconds)" -le "$(seconds_of "$1")" ]; do
    if [ -n "$(notice)" ]; then NOTICE_AT="$(local_time)"; return 0; fi
    sleep 0.05
  done
  fail "no notice by $1 (screenshot $(screenshot week-no-notice))"
}

trap 'stop_clock; relay_off' EXIT
reg_add 'HKCU\Software\Wine\Debug' RelayInclude REG_SZ 'USER32.DrawTextW'

ZONE="$(tz_at 07:29:55)"
today=$(TZ="$ZONE" date +%w)
reset_registry
reg_set Timer OnTimer 1
reg_set Timer AlarmCount 1
reg_set Timer OnAutoDelete 0
reg_set Timer SnoozeMinutes 1
reg_set Timer On1 1; reg_set_sz Timer Alarm1 07:30; reg_set_sz Timer Msg1 OFFDAY
reg_set Timer Days1 $((0x7F & ~(1 << today)))
reg_set Timer On2 1; reg_set_sz Timer Alarm2 07:30; reg_set_sz Timer Msg2 TODAY
reg_set Timer Days2 $((1 << today))

: >"$TRACE"
eventually no_clock_shown || fail "a window of the last clock is still shown"
TZ="$ZONE" WINEDEBUG=+relay "$TIVORA_WINE" "$EXE" >/dev/null 2>"$TRACE" &
CLOCK_PID=$!
await_clock 100 --name '^Tivora - '

await_notice 07:30:04
for _ in $(seq 50); do [ -n "$(drawn)" ] && break; sleep 0.1; done
[ "$(drawn)" = "TODAY " ] || fail "at $NOTICE_AT the notices drew '$(drawn)', not 'TODAY'"
sleep 0.5
probe press 1025 >/dev/null || fail "no スヌーズ button in the notice"
eventually no_notice || fail "スヌーズ did not close the notice"
snoozed_at="$(local_time)"
mark=$(($(wc -l <"$TRACE") + 1))
while [ "$(local_seconds)" -lt "$(seconds_of 07:31:00)" ]; do
  no_notice || fail "a notice came at $(local_time), before the snooze was over (drawn: $(drawn))"
  sleep 0.1
done
await_notice 07:31:04
for _ in $(seq 50); do [ -n "$(drawn $mark)" ] && break; sleep 0.1; done
[ "$(drawn $mark)" = "TODAY " ] || fail "after the snooze the notices drew '$(drawn $mark)', not 'TODAY'"
again_at="$NOTICE_AT"
probe press 1 >/dev/null || fail "no OK button in the notice"
eventually no_notice || fail "OK did not close the notice"
sleep 3
no_notice || fail "a notice came again after OK, at $(local_time)"
stop_clock
pass "day $today: only the alarm for today rang at 07:30, snoozed at $snoozed_at it came again at $again_at, and once"
