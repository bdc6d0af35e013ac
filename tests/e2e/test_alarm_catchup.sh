#!/usr/bin/env bash
# No alarm is lost on the real clock. The timer dialog held open from
# 07:29:55 to 07:30:03 over three alarms at 07:30: nothing rings while it is
# open, and after it closes the three notifications come one after another
# (the order over several minutes held, and the face ticking behind the
# dialog, have host.AlarmWatch and win.menu_dialogs). The clock's process
# stopped over 07:31 (as in a sleep): the alarm comes when it runs again,
# late and saying so. A second start of the program leaves the one clock
# running.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/menu_lib.sh"

TRACE="$TIVORA_BUILD/alarm-catchup-trace.txt"

# A text as Wine's relay trace quotes a UTF-16 one: units outside printable
# ASCII as \ and four hex digits.
as_traced() {
  printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -v -tu2 | tr -s ' ' '\n' |
    awk 'NF { if ($1 >= 32 && $1 < 127 && $1 != 92 && $1 != 34) printf "%c", $1; else printf "\\%04x", $1 }'
}
# The messages drawn by notifications so far, each once, in the order first drawn.
drawn_messages() {
  # Through the environment: awk -v would read the backslashes as escapes.
  grep -a 'Call user32.DrawTextW' "$TRACE" 2>/dev/null |
    WAKE="$(as_traced 起きる)" PILLS="$(as_traced 薬)" MEETING="$(as_traced 会議)" \
    STOPPED="$(as_traced 止まった)" awk '
      index($0, ENVIRON["WAKE"]) { m = "wake" } index($0, ENVIRON["PILLS"]) { m = "pills" }
      index($0, ENVIRON["MEETING"]) { m = "meeting" } index($0, ENVIRON["STOPPED"]) { m = "stopped" }
      m != "" && !(m in seen) { seen[m]; printf "%s ", m } { m = "" }'
}
# late_told TEXT LINE: a notification drew TEXT from trace line LINE on.
late_told() {
  tail -n +"$2" "$TRACE" 2>/dev/null | grep -a 'Call user32.DrawTextW' | grep -qF "$(as_traced "$1")"
}

trap 'stop_clock; relay_off' EXIT
reg_add 'HKCU\Software\Wine\Debug' RelayInclude REG_SZ 'USER32.DrawTextW'

reset_registry
reg_set Settings Left 10
reg_set Settings Top 10
reg_set Timer OnTimer 1
reg_set Timer AlarmCount 1
reg_set Timer OnAutoDelete 1
reg_set Timer OnUseWave 0
reg_set Timer On1 1; reg_set_sz Timer Alarm1 07:30; reg_set_sz Timer Msg1 "起きる"
reg_set Timer On2 1; reg_set_sz Timer Alarm2 07:30; reg_set_sz Timer Msg2 "薬"
reg_set Timer On3 1; reg_set_sz Timer Alarm3 07:30; reg_set_sz Timer Msg3 "会議"
reg_set Timer On4 1; reg_set_sz Timer Alarm4 07:31; reg_set_sz Timer Msg4 "止まった"

ZONE="$(tz_at 07:29:50)"
TZ="$ZONE" WINEDEBUG=+relay CLOCK_TRACE="$TRACE" start_clock

# --- The timer dialog held open over 07:30 --------------------------------------
wait_until 07:29:55
choose r
dialog="$(await_window 50 --onlyvisible --name '^ﾀｲﾏの設定$')"
[ -n "$dialog" ] || fail "the timer dialog did not open (screenshot $(screenshot catchup-no-dialog))"
while [ "$(local_seconds)" -lt "$(seconds_of 07:30:03)" ]; do
  [ -z "$(notice)" ] || fail "a notification came while the dialog was open, at $(local_time)"
  sleep 0.2
done
echo "dialog held until $(local_time): $(screenshot catchup-dialog-held)"
xdotool key Escape
eventually not_shown "$dialog" || fail "the timer dialog did not close"
for _ in $(seq 150); do
  [ "$(drawn_messages)" = "wake pills meeting " ] && [ -z "$(notice)" ] && break
  sleep 0.1
done
[ "$(drawn_messages)" = "wake pills meeting " ] ||
  fail "the notifications after the dialog were '$(drawn_messages)', not 'wake pills meeting'"
pass "timer dialog held over 07:30: then $(drawn_messages)one after another"

# --- The process stopped over 07:31 -------------------------------------------
kill -STOP "$CLOCK_PID"
stopped_at="$(local_time)"
[ "$(seconds_of "$stopped_at")" -lt "$(seconds_of 07:30:58)" ] ||
  fail "the notifications of 07:30 took until $stopped_at: no time to stop before 07:31"
wait_until 07:32:05
resumed_line=$(($(wc -l <"$TRACE") + 1))
kill -CONT "$CLOCK_PID"
for _ in $(seq 100); do
  [ "$(drawn_messages)" = "wake pills meeting stopped " ] && break
  sleep 0.1
done
[ "$(drawn_messages)" = "wake pills meeting stopped " ] ||
  fail "no notification of 07:31 after the stop (screenshot $(screenshot catchup-no-late))"
late_told "1分遅れ" "$resumed_line" || fail "the late 07:31 notification did not say so"
pass "process stopped from $stopped_at to 07:32:05: the 07:31 alarm came after, late"

# --- A second start ---------------------------------------------------------------
eventually no_notice || true
status=0
timeout 30 "$TIVORA_WINE" "$EXE" >/dev/null 2>&1 || status=$?
[ "$status" = 0 ] || fail "the second start ended with $status, not 0"
clocks="$(xdotool search --onlyvisible --name '^Tivora - ' 2>/dev/null | wc -l)"
[ "$clocks" = 1 ] || fail "$clocks clocks after a second start (screenshot $(screenshot catchup-two-clocks))"
kill -0 "$CLOCK_PID" || fail "the first clock ended"
pass "a second start ended at once with 0 and left the one clock"
