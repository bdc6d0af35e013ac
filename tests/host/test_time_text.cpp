#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include "base/rules/TimeText.h"
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

TEST(TimeText, TheTwelveHourFaceWritesTheHalfOfTheDayAndAnHourFromOneToTwelve) {
  const std::pair<int, std::wstring> cases[] = {{0, L"午前 12:00"}, {30, L"午前 12:30"},
      {719, L"午前 11:59"}, {720, L"午後 12:00"}, {750, L"午後 12:30"}, {1439, L"午後 11:59"}};
  wchar_t buf[16];
  for (const auto& [m, text] : cases) {
    FormatClockText(TimeOf(m / 60, m % 60, 9), false, buf, true);
    EXPECT_EQ(buf, text);
    FormatClockText(TimeOf(m / 60, m % 60, 9), true, buf, true);
    EXPECT_EQ(buf, text + L":09");
  }
}

// A window fitted to the widest text holds every time of the day, whatever
// the font makes wide: a narrow "1" (proportional faces), a wide one, or
// digits all alike.
TEST(TimeText, TheWidestTimeIsAtLeastAsWideAsEveryTimeOfTheDay) {
  const int fonts[][10] = {
      {9, 4, 9, 9, 9, 9, 9, 9, 9, 9},
      {5, 12, 5, 5, 5, 5, 5, 5, 5, 5},
      {7, 7, 7, 7, 7, 7, 7, 7, 7, 7},
      {6, 3, 8, 7, 10, 6, 6, 5, 9, 11},
  };
  for (int k = 0; k < 8; ++k) {   // each font in the 24-hour form, then the 12-hour one
    const auto& widths = fonts[k % 4];
    const bool halfDay = k >= 4;
    auto textWidth = [&widths, halfDay](const ClockTime& t) {
      wchar_t text[16];
      int w = 0;   // what is not a digit (colons, the half of the day) counts 3
      for (size_t i = 0, n = FormatClockText(t, true, text, halfDay); i < n; ++i)
        w += text[i] >= L'0' && text[i] <= L'9' ? widths[text[i] - L'0'] : 3;
      return w;
    };
    const int widest = textWidth(WidestClockTime(widths, halfDay));
    int seen = 0;
    for (int s = 0; s < 24 * 3600; ++s)
      seen = std::max(seen, textWidth(TimeOf(s / 3600, s / 60 % 60, s % 60)));
    EXPECT_EQ(widest, seen) << "a time of the day is wider than the one the window is fitted to";
  }
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
