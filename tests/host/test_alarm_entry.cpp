#include <gtest/gtest.h>
#include <cwchar>
#include <string>
#include "tests/host/AnsiCodePageModel.h"
#include "timer/rules/AlarmSettings.h"

struct TimeCase {
  const wchar_t* text;
  int hour, minute;
  bool keepsSwitch;
};

TEST(AlarmEntry, SetTimeReadsHourAndMinuteOrClearsTheEntry) {
  const TimeCase cases[] = {
      {L"07:30", 7, 30, true}, {L"7:30", 7, 0, true},  {L"24:00", 0, 0, false},
      {L"-1:00", 0, 0, false}, {L"ab:cd", 0, 0, false}, {L"12:60", 0, 0, false},
      {L"23:59", 23, 59, true}, {L"", 0, 0, false},     {L"07 30", 7, 30, true},
      {L"07:", 0, 0, false},   {L"  :30", 0, 0, false},
  };
  for (const TimeCase& c : cases) {
    AlarmEntry e;
    e.On = 1;
    e.SetTime(c.text);
    EXPECT_EQ(e.Hour, c.hour) << c.text;
    EXPECT_EQ(e.Minute, c.minute) << c.text;
    EXPECT_EQ(e.On, c.keepsSwitch ? 1u : 0u) << c.text;
  }
}

TEST(AlarmEntry, FormatTimeAlwaysGivesTwoDigitsEach) {
  AlarmEntry e;
  e.SetTime(L"07:05");
  EXPECT_STREQ(e.FormatTime(), L"07:05");
  e.SetTime(L"7:30");
  EXPECT_STREQ(e.FormatTime(), L"07:00");
  e.SetTime(L"25:00");
  EXPECT_STREQ(e.FormatTime(), L"00:00");
}

TEST(AlarmEntry, MessageIsCutTo30BytesWithoutSplittingACharacter) {
  AlarmEntry e;
  std::wstring longText(40, L'x');
  e.SetMessage(longText.c_str());
  EXPECT_EQ(std::wcslen(e.Msg), 30u);
  // 29 single bytes then a double-byte character: the cut may not leave
  // half of it.
  std::wstring mixed = std::wstring(29, L'a') + L"時間";
  e.SetMessage(mixed.c_str());
  EXPECT_EQ(std::wstring(e.Msg), std::wstring(29, L'a'));
  e.SetMessage(nullptr);
  EXPECT_STREQ(e.Msg, L"");
}

// The byte limit is counted in the system's code page, whichever it is: no
// other code page's rules are applied to the text.
TEST(AlarmEntry, MessageLimitIsCountedInTheSystemCodePage) {
  const wchar_t* cafe = L"Réunion Café";   // 12 characters, 12 bytes in 932 and 1252 alike
  const wchar_t* japanese = L"あいうえおかきくけこさしすせそたち";   // 17 characters
  for (unsigned codePage : {932u, 1252u}) {
    AnsiCodePageScope scope(codePage);
    AlarmEntry e;
    e.SetMessage(cafe);
    EXPECT_STREQ(e.Msg, cafe) << codePage;
    e.SetMessage(japanese);
    // Fifteen double-byte characters are 30 bytes; on 1252 all 17 fit.
    EXPECT_EQ(std::wcslen(e.Msg), codePage == 932 ? 15u : 17u) << codePage;
  }
  // A surrogate pair is one character: cut whole or kept whole.
  std::wstring emoji = std::wstring(29, L'a') + L"\xD83D\xDE00";
  AlarmEntry e;
  e.SetMessage(emoji.c_str());
  EXPECT_EQ(std::wstring(e.Msg), std::wstring(29, L'a'));
}

// A fresh record holds what a first start loads: the settings table's defaults.
TEST(AlarmSettings, FreshRecordHoldsTheSettingsDefaults) {
  AlarmSettings s;
  static StoredSettings stored;
  SetDefaults(stored);
  EXPECT_EQ(s.OnTimer, stored.OnTimer != 0);
  EXPECT_EQ(s.OnAutoDelete, stored.OnAutoDelete != 0);
  EXPECT_EQ(s.OnUseWave, stored.OnUseWave != 0);
  EXPECT_EQ(s.AlarmCount, stored.AlarmCount);
  for (const AlarmEntry& a : s.Alarms) {
    EXPECT_EQ(a.On, 0u);
    EXPECT_STREQ(a.Alarm, L"00:00");
    EXPECT_EQ(a.Days, kEveryDay);
  }
  EXPECT_EQ(s.SnoozeMinutes, stored.SnoozeMinutes);
}

// Values that another form of the program, or a hand, may have stored.
TEST(AlarmSettings, StoredDaysKeepTheWeekAndSnoozeMinutesOutsideTheRangeGiveFive) {
  AlarmEntry e;
  const uint32_t days[][2] = {{0x7F, 0x7F}, {0x3E, 0x3E}, {0, 0}, {0xFFFFFF80, 0}, {0xFFFFFFC1, 0x41}};
  for (const auto& d : days) {
    e.SetDays(d[0]);
    EXPECT_EQ(e.Days, d[1]) << d[0];
  }
  AlarmSettings s;
  const uint32_t minutes[][2] = {{1, 1}, {60, 60}, {17, 17}, {0, 5}, {61, 5}, {0xFFFFFFFF, 5}};
  for (const auto& m : minutes) {
    s.SetSnoozeMinutes(m[0]);
    EXPECT_EQ(s.SnoozeMinutes, m[1]) << m[0];
  }
}

// The message field refuses what was typed beyond the limit where it was
// typed, a whole character at a time, and keeps the caret there.
TEST(TextCut, RefusedTypingLeavesTheStoredTextAndTheCaret) {
  AnsiCodePageScope scope(932);
  std::wstring full(15, L'あ');   // 30 bytes
  struct Case { std::wstring text; unsigned caret; std::wstring kept; unsigned keptCaret; };
  const Case cases[] = {
      {full + L"い", 16, full, 15},                            // typed at the end
      {L"あx" + full.substr(1), 2, full, 1},                   // typed in the middle
      {L"a\xD83D\xDE00" + full.substr(1), 3, L"a" + full.substr(1), 1},  // a pair, whole
      {full + L"い", 0, full, 0},                              // caret at the start: the end is cut
  };
  for (const Case& c : cases) {
    wchar_t text[64];
    std::wcscpy(text, c.text.c_str());
    EXPECT_EQ(RefuseExcess(text, c.caret, 30), c.keptCaret);
    EXPECT_EQ(std::wstring(text), c.kept);
  }
}
