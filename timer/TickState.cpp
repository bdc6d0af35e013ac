#include "timer/TickState.h"

TickState Tick;

TickOutcome TickState::Process(const SYSTEMTIME& now, uint64_t elapsedMs, TickFace face,
                               bool showSeconds, const AlarmSettings& alarms) {
  TickOutcome out;
  // A paused tick leaves everything to the first processed one after it,
  // which compares whole minutes and dates and so misses nothing.
  if (Pauses.Taken()) return out;

  TickInput in;
  in.Now = ClockTimeOf(now);
  in.TickTime = ClockTimeOf(TickTime);
  in.TitleDate = TitleDate;
  in.MinuteChanged = MinuteChanged;
  in.FullRedrawPending = FullRedrawPending;
  in.Face = face;
  in.ShowSeconds = showSeconds;
  in.Interacting = Held();
  TickDecision d = DecideTick(in);

  out.Processed = true;
  if (d.NewMinute) MinuteChanged = true;
  TickTime = now;
  out.RenewTitle = d.RenewTitle;
  out.Chime = Chime.Due(alarms, in.Now);
  if (d.LookForAlarms) {
    Watch.Look(alarms, in.Now, elapsedMs);
    if (Watch.Waiting()) {
      Announced = Watch.TakeNext();
      AnnouncedLate = SecondsLate(Announced, in.Now, elapsedMs);
      out.DueAlarm = Announced.Number;
    }
  }
  out.Redraw = d.Redraw;
  return out;
}
