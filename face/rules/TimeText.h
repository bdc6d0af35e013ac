#pragma once
#include <cstddef>
#include "face/rules/ClockTime.h"

// Writes "H:MM" or "H:MM:SS" (hour without a leading zero) and returns its
// length. The buffer holds at least 9 units.
size_t FormatClockText(const ClockTime& t, bool withSeconds, wchar_t* out);

// Writes the date text "2002年3月14日(木)" and returns its length. The
// buffer holds at least 100 units.
size_t FormatDateTextOf(const ClockTime& t, wchar_t* out);

// Writes "HH:MM" with two digits each; the buffer holds at least 6 units.
void FormatAlarmTime(unsigned hour, unsigned minute, wchar_t* out);

// Appends the decimal digits of value at out, returns the new end.
wchar_t* AppendNumber(wchar_t* out, unsigned value, int minDigits = 1);
