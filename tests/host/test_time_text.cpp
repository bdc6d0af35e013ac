#include <gtest/gtest.h>
#include <string>
#include "face/rules/TimeText.h"
#include "tests/host/ClockTimes.h"

TEST(TimeText, HourWithoutLeadingZeroMinutesAndSecondsWithTwo) {
  wchar_t buf[16];
  EXPECT_EQ(FormatClockText(TimeOf(9, 5, 7), false, buf), 4u);
  EXPECT_STREQ(buf, L"9:05");
  FormatClockText(TimeOf(9, 5, 7), true, buf);
  EXPECT_STREQ(buf, L"9:05:07");
  FormatClockText(TimeOf(0, 0, 0), false, buf);
  EXPECT_STREQ(buf, L"0:00");
  EXPECT_EQ(FormatClockText(TimeOf(23, 59, 59), true, buf), 8u);
}

TEST(TimeText, DateTextInJapaneseWithWeekday) {
  ClockTime t = TimeOf(2002, 3, 14, 0, 0, 0, 4);
  wchar_t buf[100];
  FormatDateTextOf(t, buf);
  EXPECT_EQ(std::wstring(buf), std::wstring(L"2002年3月14日(木)"));
  t.DayOfWeek = 0;
  FormatDateTextOf(t, buf);
  EXPECT_EQ(std::wstring(buf), std::wstring(L"2002年3月14日(日)"));
  t.DayOfWeek = 9;   // never from the system, but must not read past the table
  FormatDateTextOf(t, buf);
  EXPECT_EQ(std::wstring(buf), std::wstring(L"2002年3月14日(?)"));
}
