#include "base/rules/TimeText.h"

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

size_t FillForm(const wchar_t* form, const unsigned* numbers, int numberCount,
                const wchar_t* text, wchar_t* out, size_t capacity) {
  if (capacity == 0) return 0;
  size_t length = 0;
  auto put = [&](wchar_t c) {
    if (length + 1 < capacity) out[length++] = c;
  };
  for (const wchar_t* f = form; *f; ++f) {
    if (f[0] == L'%' && f[1] == L'u') {
      wchar_t digits[12];
      AppendNumber(digits, numberCount > 0 ? *numbers : 0);
      if (numberCount > 0) ++numbers, --numberCount;
      for (const wchar_t* d = digits; *d; ++d) put(*d);
      ++f;
    } else if (f[0] == L'%' && f[1] == L's') {
      for (const wchar_t* t = text; t && *t; ++t) put(*t);
      ++f;
    } else {
      put(*f);
    }
  }
  out[length] = 0;
  return length;
}

size_t FormatClockText(const ClockTime& t, bool withSeconds, wchar_t* out, const DayHalves* halves) {
  wchar_t digits[kClockTextUnits];
  wchar_t* p = digits;
  unsigned hour = t.Hour;
  if (halves) {
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
  const wchar_t* form = !halves ? nullptr : t.Hour < 12 ? halves->Am : halves->Pm;
  if (!form || !*form) form = L"%s";   // without its half's form, the digits alone
  return FillForm(form, nullptr, 0, digits, out, kClockTextUnits);
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

void FormatAlarmTime(unsigned hour, unsigned minute, wchar_t* out) {
  wchar_t* p = AppendNumber(out, hour % 100, 2);
  *p++ = L':';
  AppendNumber(p, minute % 100, 2);
}
