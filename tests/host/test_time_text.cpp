#include <gtest/gtest.h>
#include <algorithm>
#include <cwchar>
#include <string>
#include "base/rules/TimeText.h"
#include "tests/host/ClockTimes.h"

TEST(TimeText, HourWithoutLeadingZeroMinutesAndSecondsWithTwo) {
  struct Case { ClockTime t; bool seconds; const wchar_t* text; };
  wchar_t buf[kClockTextUnits];
  for (const Case& c : {Case{TimeOf(9, 5, 7), false, L"9:05"}, Case{TimeOf(9, 5, 7), true, L"9:05:07"},
                        Case{TimeOf(0, 0, 0), false, L"0:00"}, Case{TimeOf(23, 59, 59), true, L"23:59:59"}}) {
    EXPECT_EQ(FormatClockText(c.t, c.seconds, buf), wcslen(c.text)) << c.text;
    EXPECT_STREQ(buf, c.text);
  }
}

// The halves of the day as the Japanese and the English texts write them.
constexpr DayHalves kJapaneseHalves = {L"午前 %s", L"午後 %s"};
constexpr DayHalves kEnglishHalves = {L"%s AM", L"%s PM"};

TEST(TimeText, TheTwelveHourFaceWritesTheHalfOfTheDayAndAnHourFromOneToTwelve) {
  struct Case { int minute; std::wstring digits; bool pm; };
  const Case cases[] = {{0, L"12:00", false}, {30, L"12:30", false}, {719, L"11:59", false},
                        {720, L"12:00", true}, {750, L"12:30", true}, {1439, L"11:59", true}};
  wchar_t buf[kClockTextUnits];
  for (const Case& c : cases) {
    const ClockTime t = TimeOf(c.minute / 60, c.minute % 60, 9);
    FormatClockText(t, false, buf, &kJapaneseHalves);
    EXPECT_EQ(buf, (c.pm ? L"午後 " : L"午前 ") + c.digits);
    FormatClockText(t, true, buf, &kJapaneseHalves);
    EXPECT_EQ(buf, (c.pm ? L"午後 " : L"午前 ") + c.digits + L":09");
    FormatClockText(t, true, buf, &kEnglishHalves);
    EXPECT_EQ(buf, c.digits + L":09" + (c.pm ? L" PM" : L" AM"));
  }
  // A half without its form still shows the digits; one too long is cut.
  const DayHalves missing = {L"", L""};
  FormatClockText(TimeOf(15, 5, 9), false, buf, &missing);
  EXPECT_STREQ(buf, L"3:05");
  const std::wstring longForm = L"%s" + std::wstring(40, L'x');
  const DayHalves tooLong = {longForm.c_str(), longForm.c_str()};
  EXPECT_EQ(FormatClockText(TimeOf(15, 5, 9), false, buf, &tooLong), kClockTextUnits - 1);
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
      wchar_t text[kClockTextUnits];
      int w = 0;   // what is not a digit (colons, the half of the day) counts 3
      for (size_t i = 0, n = FormatClockText(t, true, text, halfDay ? &kJapaneseHalves : nullptr); i < n; ++i)
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

