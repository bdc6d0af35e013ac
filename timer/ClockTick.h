#pragma once
#include <windows.h>
#include "timer/rules/ClockTime.h"

// The once-a-second tick: stores the local time, redraws what changed,
// renews the date title and opens the notification of a due alarm.
void ClockTick(HWND hwnd);
// The tick for a given local time; ClockTick reads the clock and calls it.
void ClockTickAt(HWND hwnd, const SYSTEMTIME& now);
// The number 1 to 4 of the alarm due at TickTime, or 0. An alarm minute that
// was already notified is not due again.
int FindDueAlarm();
// Sets the title "Tivora - <date>" from TickTime.
void UpdateCaption(HWND hwnd);
// The date text of TickTime; valid until the next call.
const char* FormatDateText();
// Runs the notification of alarm n modally.
void OpenAlarmNotification(HWND owner, int n);
// The one hand-over of a due alarm: OpenAlarmNotification unless replaced
// (a test puts a recorder here).
extern void (*AlarmHandOver)(HWND owner, int n);

// SYSTEMTIME and ClockTime have the same layout, member for member.
inline ClockTime ClockTimeOf(const SYSTEMTIME& t) {
  static_assert(sizeof(ClockTime) == sizeof(SYSTEMTIME), "same layout");
  ClockTime c;
  CopyMemory(&c, &t, sizeof c);
  return c;
}
