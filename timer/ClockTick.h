#pragma once
#include <windows.h>

// The once-a-second tick: stores the local time, redraws what changed,
// renews the date title and opens the notification of a due alarm.
void ClockTick(HWND hwnd);
// The number 1 to 4 of the alarm due at TickTime, or 0.
int FindDueAlarm();
// Sets the title "Tivora - <date>" from TickTime.
void UpdateCaption(HWND hwnd);
// The date text of TickTime; valid until the next call.
const char* FormatDateText();
// Runs the notification of alarm n modally (the one hand-over to it).
void OpenAlarmNotification(HWND owner, int n);
