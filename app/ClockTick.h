#pragma once
#include <windows.h>

// The once-a-second tick of the main window: the tick's state notes the
// time, and this carries out what it asks: the date title, the notification
// of a due alarm, or the redraw.
void ClockTick(HWND window);
// The tick for a given local time; ClockTick reads the clock and calls it.
void ClockTickAt(HWND window, const SYSTEMTIME& now);
// Runs the notification of alarm n modally; false when it could not be shown.
bool OpenAlarmNotification(HWND owner, int n);
// The one hand-over of a due alarm; OpenAlarmNotification unless another
// is put in its place.
extern bool (*AlarmHandOver)(HWND owner, int n);
