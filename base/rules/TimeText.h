#pragma once
#include <cstddef>
#include "base/rules/ClockTime.h"

// The forms of the two halves of the day in the program's language, each
// with "%s" where the 12-hour digits stand: "午後 %s", "%s PM".
struct DayHalves {
  const wchar_t* Am;
  const wchar_t* Pm;
};

constexpr size_t kClockTextUnits = 32;

// Writes "H:MM" or "H:MM:SS" (hour without a leading zero) and returns its
// length. On the 12-hour face (halves given) the hour runs 1 to 12 in its
// half's form: "午後 3:05", "午前 12:30" for half past midnight, "3:05 PM".
// The buffer holds kClockTextUnits; a longer form is cut.
size_t FormatClockText(const ClockTime& t, bool withSeconds, wchar_t* out,
                       const DayHalves* halves = nullptr);

// Writes `form` into `out` (`capacity` units with the terminator), each
// "%u" replaced by the next of `numbers` and "%s" by `text`, cut to fit;
// returns the length written. A form is the program's own text, in any
// language, with its figures where that language puts them.
size_t FillForm(const wchar_t* form, const unsigned* numbers, int numberCount,
                const wchar_t* text, wchar_t* out, size_t capacity);

// The time of day whose clock text is the widest, given the advance widths
// of the digits '0' to '9' in the face's font (the colons are the same in
// every text). A window fitted to it holds every time the face can show:
// fitted to 9:59, it would cut the 10:00 that follows. For the 12-hour
// face the hour is one of 1 to 12; the same time twelve hours on has the
// same digits after the other half's marker.
ClockTime WidestClockTime(const int digitWidths[10], bool halfDay = false);

// Writes "HH:MM" with two digits each; the buffer holds at least 6 units.
void FormatAlarmTime(unsigned hour, unsigned minute, wchar_t* out);

// Appends the decimal digits of value at out, returns the new end.
wchar_t* AppendNumber(wchar_t* out, unsigned value, int minDigits = 1);
