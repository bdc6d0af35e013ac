#include <gtest/gtest.h>
#include <string>
#include "face/rules/TimeText.h"

static ClockTime At(int h, int m, int s) {
  ClockTime t;
  t.Hour = uint16_t(h);
  t.Minute = uint16_t(m);
  t.Second = uint16_t(s);
  return t;
}

TEST(TimeText, HourWithoutLeadingZeroMinutesAndSecondsWithTwo) {
  char buf[16];
  EXPECT_EQ(FormatClockText(At(9, 5, 7), false, buf), 4u);
  EXPECT_STREQ(buf, "9:05");
  FormatClockText(At(9, 5, 7), true, buf);
  EXPECT_STREQ(buf, "9:05:07");
  FormatClockText(At(0, 0, 0), false, buf);
  EXPECT_STREQ(buf, "0:00");
  EXPECT_EQ(FormatClockText(At(23, 59, 59), true, buf), 8u);
}

TEST(TimeText, DateTextInJapaneseWithWeekday) {
  ClockTime t;
  t.Year = 2002;
  t.Month = 3;
  t.Day = 14;
  t.DayOfWeek = 4;
  char buf[100];
  FormatDateTextOf(t, buf);
  EXPECT_EQ(std::string(buf), std::string("2002年3月14日(木)"));
  t.DayOfWeek = 0;
  FormatDateTextOf(t, buf);
  EXPECT_EQ(std::string(buf), std::string("2002年3月14日(日)"));
  t.DayOfWeek = 9;   // never from the system, but must not read past the table
  FormatDateTextOf(t, buf);
  EXPECT_EQ(std::string(buf), std::string("2002年3月14日(?)"));
}
