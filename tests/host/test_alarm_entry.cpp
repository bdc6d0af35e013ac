#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "timer/rules/AlarmSettings.h"

struct TimeCase {
  const char* text;
  int hour, minute;
  bool keepsSwitch;
};

TEST(AlarmEntry, SetTimeReadsHourAndMinuteOrClearsTheEntry) {
  const TimeCase cases[] = {
      {"07:30", 7, 30, true}, {"7:30", 7, 0, true},  {"24:00", 0, 0, false},
      {"-1:00", 0, 0, false}, {"ab:cd", 0, 0, true}, {"12:60", 0, 0, false},
      {"23:59", 23, 59, true}, {"", 0, 0, true},     {"07 30", 7, 30, true},
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
  e.SetTime("07:05");
  EXPECT_STREQ(e.FormatTime(), "07:05");
  e.SetTime("7:30");
  EXPECT_STREQ(e.FormatTime(), "07:00");
  e.SetTime("25:00");
  EXPECT_STREQ(e.FormatTime(), "00:00");
}

TEST(AlarmEntry, MessageIsCutTo30BytesWithoutSplittingACharacter) {
  AlarmEntry e;
  std::string longText(40, 'x');
  e.SetMessage(longText.c_str());
  EXPECT_EQ(std::strlen(e.Msg), 30u);
  // 29 single bytes then a double-byte character: the cut may not leave
  // its lead byte dangling.
  std::string mixed = std::string(29, 'a') + "時間";
  e.SetMessage(mixed.c_str());
  EXPECT_EQ(std::string(e.Msg), std::string(29, 'a'));
  e.SetMessage(nullptr);
  EXPECT_STREQ(e.Msg, "");
}

TEST(AlarmSettings, FreshRecordIsOffWithFiveBeeps) {
  AlarmSettings s;
  EXPECT_FALSE(s.OnTimer);
  EXPECT_EQ(s.AlarmCount, 5u);
  for (const AlarmEntry& a : s.Alarms) {
    EXPECT_EQ(a.On, 0u);
    EXPECT_STREQ(a.Alarm, "00:00");
  }
}
