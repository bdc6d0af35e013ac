#include "timer/rules/TickRules.h"

TickRedraw RedrawFor(TickFace face, bool showSeconds, bool minuteChanged,
                     bool fullRedrawPending) {
  switch (face) {
    case TickFace::Analog:
      // Without seconds the analog face changes only once a minute.
      if (!minuteChanged && !showSeconds) return TickRedraw::Nothing;
      return minuteChanged || fullRedrawPending ? TickRedraw::WholeAnalogFace
                                                : TickRedraw::SecondHand;
    case TickFace::TransparentDigital:
      // The system shows what lies behind by itself: the digits are drawn
      // only when they change, and re-stacked at the bottom with each new
      // minute or display change.
      if (minuteChanged || fullRedrawPending) return TickRedraw::PushToBottom;
      return showSeconds ? TickRedraw::RedrawInPlace : TickRedraw::Nothing;
    case TickFace::Digital:
    default:
      return minuteChanged || showSeconds || fullRedrawPending ? TickRedraw::Repaint
                                                               : TickRedraw::Nothing;
  }
}

TickDecision DecideTick(const TickInput& in) {
  TickDecision d;
  // The whole minute is compared, at any second: a minute start that fell
  // into a suspension or between two merged ticks is caught up at once.
  d.NewMinute = !SameMinute(in.Now, in.TickTime);
  d.RenewTitle = !SameDate(in.Now, in.TitleDate);
  d.CheckAlarms = d.NewMinute;
  d.Redraw = RedrawFor(in.Face, in.ShowSeconds, in.MinuteChanged || d.NewMinute,
                       in.FullRedrawPending);
  return d;
}

int FirstDueAlarm(const AlarmSettings& alarms, const ClockTime& tickTime,
                  const NotifiedMinute& last) {
  if (!alarms.OnTimer) return 0;
  if (last.Any && SameMinute(last.At, tickTime)) return 0;
  for (int n = 1; n <= kAlarmCount; ++n) {
    const AlarmEntry& a = alarms.Alarms[n - 1];
    if (a.On != 0 && a.Hour == tickTime.Hour && a.Minute == tickTime.Minute) return n;
  }
  return 0;
}
