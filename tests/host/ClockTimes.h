#pragma once
#include <cstdint>
#include "base/rules/ClockTime.h"

// A moment of the clock, field by field; the weekday (0 is Sunday) only
// where a test reads it.
inline ClockTime TimeOf(int year, int month, int day, int hour, int minute, int second,
                        int dayOfWeek = 0) {
  ClockTime t;
  t.Year = uint16_t(year);
  t.Month = uint16_t(month);
  t.DayOfWeek = uint16_t(dayOfWeek);
  t.Day = uint16_t(day);
  t.Hour = uint16_t(hour);
  t.Minute = uint16_t(minute);
  t.Second = uint16_t(second);
  return t;
}

// A time of day, on no date.
inline ClockTime TimeOf(int hour, int minute, int second) {
  return TimeOf(0, 0, 0, hour, minute, second);
}
