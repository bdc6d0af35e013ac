#pragma once
#include "base/rules/ClockTime.h"
#include "timer/rules/AlarmSettings.h"

// What the once-a-second tick has to do, decided from the times and flags
// alone; the shell reads the clock, asks here and makes the calls.

// The face that the tick keeps up to date.
enum class TickFace {
  Analog,               // a painter exists: drawing cycles straight into the window
  TransparentDigital,   // the digits over what lies behind, at the bottom of the stack
  Digital,              // digits over the background colour or picture
};

enum class TickRedraw {
  Nothing,
  SecondHand,           // analog cycle that moves only the second hand
  WholeAnalogFace,      // analog cycle that redraws background, dial and hands
  PushToBottom,         // transparent digital: draw the digits anew and re-stack at the bottom
  RedrawInPlace,        // transparent digital: draw the digits anew without re-stacking
  Repaint,              // digital: invalidate with erasing and update now
};

struct TickInput {
  ClockTime Now;
  ClockTime TickTime;        // the last processed tick
  ClockTime TitleDate;       // the date that the title shows
  bool MinuteChanged = false;
  bool FullRedrawPending = false;
  TickFace Face = TickFace::Digital;
  bool ShowSeconds = false;
  // An interaction is in progress (a menu, a dialog, the notification): the
  // face keeps time, but alarms wait and the window is not re-stacked.
  bool Interacting = false;
};

struct TickDecision {
  // The minute of Now differs from the last processed tick's (date, hour
  // and minute compared): MinuteChanged is to be set.
  bool NewMinute;
  // The date of Now differs from the date the title shows.
  bool RenewTitle;
  // No interaction is in progress: look for due alarms and announce one.
  bool LookForAlarms;
  // What to draw, before any alarm is announced.
  TickRedraw Redraw;
};

TickDecision DecideTick(const TickInput& in);

// The redraw for a tick, given MinuteChanged as it stands after the new
// minute was noted.
TickRedraw RedrawFor(TickFace face, bool showSeconds, bool minuteChanged,
                     bool fullRedrawPending);
