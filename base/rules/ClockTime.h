#pragma once
#include <cstdint>

// The local time as the system reports it; field for field the layout of the
// platform's SYSTEMTIME, so the shell can copy one into the other.
struct ClockTime {
  uint16_t Year = 0;
  uint16_t Month = 0;
  uint16_t DayOfWeek = 0;  // 0 is Sunday
  uint16_t Day = 0;
  uint16_t Hour = 0;
  uint16_t Minute = 0;
  uint16_t Second = 0;
  uint16_t Milliseconds = 0;
};

inline bool SameDate(const ClockTime& a, const ClockTime& b) {
  return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}

// Same calendar minute: date, hour and minute all equal.
inline bool SameMinute(const ClockTime& a, const ClockTime& b) {
  return SameDate(a, b) && a.Hour == b.Hour && a.Minute == b.Minute;
}
