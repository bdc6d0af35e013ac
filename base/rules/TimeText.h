#pragma once
#include <cstddef>
#include "base/rules/ClockTime.h"

// Writes "H:MM" or "H:MM:SS" (hour without a leading zero) and returns its
// length. On the 12-hour face (halfDay) the hour runs 1 to 12 after the
// half of the day: "午後 3:05", "午前 12:30" for half past midnight. The
// buffer holds at least 12 units.
size_t FormatClockText(const ClockTime& t, bool withSeconds, wchar_t* out, bool halfDay = false);

// The time of day whose clock text is the widest, given the advance widths
// of the digits '0' to '9' in the face's font (the colons are the same in
// every text). A window fitted to it holds every time the face can show:
// fitted to 9:59, it would cut the 10:00 that follows. For the 12-hour
// face the hour is one of 1 to 12; the same time twelve hours on has the
// same digits after the other half's marker.
ClockTime WidestClockTime(const int digitWidths[10], bool halfDay = false);

// Writes the date text "2002年3月14日(木)" and returns its length. The
// buffer holds at least 100 units.
size_t FormatDateTextOf(const ClockTime& t, wchar_t* out);

// Writes "HH:MM" with two digits each; the buffer holds at least 6 units.
void FormatAlarmTime(unsigned hour, unsigned minute, wchar_t* out);

// Appends the decimal digits of value at out, returns the new end.
wchar_t* AppendNumber(wchar_t* out, unsigned value, int minDigits = 1);
