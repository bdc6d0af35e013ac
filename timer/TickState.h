#pragma once
#include <windows.h>
#include "face/rules/ClockTime.h"
#include "timer/rules/AlarmSettings.h"
#include "timer/rules/TickHolds.h"
#include "timer/rules/TickRules.h"

// What one timer message asks of the window, once the tick has noted it.
struct TickOutcome {
  bool Processed = false;   // false while an interaction holds the tick
  bool RenewTitle = false;  // the date differs from the one the title shows
  int DueAlarm = 0;         // 1 to 4: notify this alarm instead of redrawing
  TickRedraw Redraw = TickRedraw::Nothing;
};

// The main window's tick: timer 1, once a second.
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickPeriod = 1000;

// What the once-a-second tick keeps between ticks. One thread touches it:
// the one that runs the message loop.
struct TickState {
  UINT_PTR TimerId = 0;          // the one-second tick; 0 while there is none
  SYSTEMTIME TickTime = {};      // the local time of the last processed tick
  // The next tick redraws the whole face: a new minute began or a change asks for it.
  bool MinuteChanged = false;
  // A style, shape or layout change happened: the next tick redraws or
  // re-stacks completely. Set at start, so that the first tick draws everything.
  bool FullRedrawPending = true;
  // The interactions running now; while any holds it, the tick only notes the time.
  TickHolds Holds;
  // The date that the title shows: the title is renewed as soon as a
  // processed tick has another date, whether midnight passed, the machine
  // slept over it or the system date was changed.
  ClockTime TitleDate = {};
  // The alarm minute last notified: none is announced twice.
  NotifiedMinute LastNotified;

  bool Held() const { return Holds.Taken(); }

  // Takes the local time `now` unless the tick is held: notes a new minute,
  // stores the time and looks for an alarm due in it (which then counts as
  // notified). The caller carries out the outcome, then calls Finish unless
  // it notified an alarm.
  TickOutcome Process(const SYSTEMTIME& now, TickFace face, bool showSeconds,
                      const AlarmSettings& alarms);
  // The end of a tick that drew: the redraw requests are met.
  void Finish() { MinuteChanged = FullRedrawPending = false; }
  // The number 1 to 4 of the alarm due at TickTime, or 0.
  int FindDueAlarm(const AlarmSettings& alarms) const;
};

extern TickState Tick;

// SYSTEMTIME and ClockTime have the same layout, member for member.
inline ClockTime ClockTimeOf(const SYSTEMTIME& t) {
  static_assert(sizeof(ClockTime) == sizeof(SYSTEMTIME), "same layout");
  ClockTime c;
  CopyMemory(&c, &t, sizeof c);
  return c;
}
