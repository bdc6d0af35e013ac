#include "timer/TickState.h"

TickState Tick;

TickOutcome TickState::Process(const SYSTEMTIME& now, TickFace face, bool showSeconds,
                               const AlarmSettings& alarms) {
  TickOutcome out;
  // A held tick leaves everything to the first processed one after it,
  // which compares whole minutes and dates and so misses nothing.
  if (Held()) return out;

  TickInput in;
  in.Now = ClockTimeOf(now);
  in.TickTime = ClockTimeOf(TickTime);
  in.TitleDate = TitleDate;
  in.MinuteChanged = MinuteChanged;
  in.FullRedrawPending = FullRedrawPending;
  in.Face = face;
  in.ShowSeconds = showSeconds;
  TickDecision d = DecideTick(in);

  out.Processed = true;
  if (d.NewMinute) MinuteChanged = true;
  TickTime = now;
  out.RenewTitle = d.RenewTitle;
  if (d.CheckAlarms) out.DueAlarm = FindDueAlarm(alarms);
  if (out.DueAlarm > 0) {
    LastNotified.Any = true;
    LastNotified.At = ClockTimeOf(TickTime);
  }
  out.Redraw = d.Redraw;
  return out;
}

int TickState::FindDueAlarm(const AlarmSettings& alarms) const {
  return FirstDueAlarm(alarms, ClockTimeOf(TickTime), LastNotified);
}
