#pragma once
#include <windows.h>
#include "base/rules/ClockTime.h"
#include "timer/rules/AlarmSettings.h"
#include "timer/rules/AlarmWatch.h"
#include "timer/rules/ChimeWatch.h"
#include "timer/rules/ElapsedClock.h"
#include "timer/rules/TickHolds.h"
#include "timer/rules/TickRules.h"

// What one timer message asks of the window, once the tick has noted it.
struct TickOutcome {
  bool Processed = false;   // false while a drag pauses the tick
  bool RenewTitle = false;  // the date differs from the one the title shows
  int DueAlarm = 0;         // 1 to 4: notify this alarm after the redraw
  bool Chime = false;       // give the hour's beep after the redraw
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
  // The interactions running now; while any holds it, the face keeps time
  // but alarms wait to be announced.
  TickHolds Holds;
  // The drag's band lies over the window on the screen: nothing is drawn
  // and nothing noted until the press ends.
  TickHolds Pauses;
  // The date that the title shows: the title is renewed as soon as a
  // processed tick has another date, whether midnight passed, the machine
  // slept over it or the system date was changed.
  ClockTime TitleDate = {};
  // The alarms due since the last look, and when each last rang.
  AlarmWatch Watch;
  // The hour last chimed. The chime opens nothing, so it is given behind
  // menus and dialogs too.
  ChimeWatch Chime;
  // The alarm being announced now (Number 0 while none is): its own time,
  // and how late it came.
  DueAlarm Announced;
  uint32_t AnnouncedLate = 0;    // seconds
  // The system's milliseconds since it started, that the snoozes count in.
  ElapsedClock Elapsed;

  bool Held() const { return Holds.Taken() || Pauses.Taken(); }
  uint64_t ElapsedNow() { return Elapsed.Extend(GetTickCount()); }

  // Takes the local time `now` unless a drag pauses the tick: notes a new
  // minute and stores the time; without an interaction, looks for due
  // alarms (the snoozes by the elapsed milliseconds) and hands out the
  // earliest waiting; gives the hour's chime when it is due. The caller
  // draws, calls Finish, then chimes and announces the alarm.
  TickOutcome Process(const SYSTEMTIME& now, uint64_t elapsedMs, TickFace face, bool showSeconds,
                      const AlarmSettings& alarms);
  // The redraw requests, as the changes outside the tick make them: the
  // whole face at the next tick; the face re-stacked or redrawn completely
  // (a style, shape or layout change); both.
  void AskFaceRedraw() { MinuteChanged = true; }
  void AskFullRedraw() { FullRedrawPending = true; }
  void AskWholeRedraw() { MinuteChanged = FullRedrawPending = true; }
  // A paint drew the whole face: a new minute needs nothing more.
  void FaceDrawn() { MinuteChanged = false; }
  // The end of a tick that drew: the redraw requests are met.
  void Finish() { MinuteChanged = FullRedrawPending = false; }
};

extern TickState Tick;

// SYSTEMTIME and ClockTime have the same layout, member for member.
inline ClockTime ClockTimeOf(const SYSTEMTIME& t) {
  static_assert(sizeof(ClockTime) == sizeof(SYSTEMTIME), "same layout");
  ClockTime c;
  CopyMemory(&c, &t, sizeof c);
  return c;
}
