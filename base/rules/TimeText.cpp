#include "base/rules/TimeText.h"

// msvcrt has no stpcpy.
static wchar_t* Append(wchar_t* out, const wchar_t* text) {
  while (*text) *out++ = *text++;
  *out = 0;
  return out;
}

wchar_t* AppendNumber(wchar_t* out, unsigned value, int minDigits) {
  wchar_t digits[12];
  int n = 0;
  do {
    digits[n++] = wchar_t(L'0' + value % 10);
    value /= 10;
  } while (value != 0);
  while (n < minDigits) digits[n++] = L'0';
  while (n > 0) *out++ = digits[--n];
  *out = 0;
  return out;
}

size_t FormatClockText(const ClockTime& t, bool withSeconds, wchar_t* out, bool halfDay) {
  wchar_t* p = out;
  unsigned hour = t.Hour;
  if (halfDay) {
    *p++ = L'午';
    *p++ = hour < 12 ? L'前' : L'後';
    *p++ = L' ';
    if (hour > 12) hour -= 12;
    if (hour == 0) hour = 12;
  }
  p = AppendNumber(p, hour);
  *p++ = L':';
  p = AppendNumber(p, t.Minute, 2);
  if (withSeconds) {
    *p++ = L':';
    p = AppendNumber(p, t.Second, 2);
  }
  return size_t(p - out);
}

// The number from `first` to below `limit` whose digits, as the clock
// writes them, are the widest; minDigits 2 for minutes and seconds.
static uint16_t WidestNumber(const int digitWidths[10], unsigned first, unsigned limit,
                             int minDigits) {
  unsigned widest = 0;
  int widestWidth = -1;
  for (unsigned n = first; n < limit; ++n) {
    int width = digitWidths[n % 10];
    if (n >= 10 || minDigits == 2) width += digitWidths[n / 10];
    if (width > widestWidth) {
      widest = n;
      widestWidth = width;
    }
  }
  return static_cast<uint16_t>(widest);
}

ClockTime WidestClockTime(const int digitWidths[10], bool halfDay) {
  ClockTime t;
  t.Hour = halfDay ? WidestNumber(digitWidths, 1, 13, 1) : WidestNumber(digitWidths, 0, 24, 1);
  t.Minute = WidestNumber(digitWidths, 0, 60, 2);
  t.Second = t.Minute;
  return t;
}

constexpr const wchar_t* kWeekdays[7] = {L"日", L"月", L"火", L"水", L"木", L"金", L"土"};

size_t FormatDateTextOf(const ClockTime& t, wchar_t* out) {
  wchar_t* p = AppendNumber(out, t.Year);
  p = Append(p, L"年");
  p = AppendNumber(p, t.Month);
  p = Append(p, L"月");
  p = AppendNumber(p, t.Day);
  p = Append(p, L"日(");
  // A day of the week outside 0..6 cannot come from the system; show "?"
  // rather than read past the table.
  p = Append(p, t.DayOfWeek < 7 ? kWeekdays[t.DayOfWeek] : L"?");
  p = Append(p, L")");
  return size_t(p - out);
}

void FormatAlarmTime(unsigned hour, unsigned minute, wchar_t* out) {
  wchar_t* p = AppendNumber(out, hour % 100, 2);
  *p++ = L':';
  AppendNumber(p, minute % 100, 2);
}
