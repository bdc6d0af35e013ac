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
  d.LookForAlarms = !in.Interacting;
  d.Redraw = RedrawFor(in.Face, in.ShowSeconds, in.MinuteChanged || d.NewMinute,
                       in.FullRedrawPending);
  // Re-stacking would undo what the interaction does with the window (the
  // font dialog lifts the transparent clock to the top): the digits are
  // drawn in place, and the end of every interaction asks for the whole
  // face again.
  if (in.Interacting && d.Redraw == TickRedraw::PushToBottom) d.Redraw = TickRedraw::RedrawInPlace;
  return d;
}
