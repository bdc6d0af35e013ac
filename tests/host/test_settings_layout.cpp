#include <gtest/gtest.h>
#include <cstring>
#include <set>
#include <string>
#include "settings/rules/SettingsLayout.h"

TEST(SettingsLayout, EveryValueHasOneRowInLoadOrder) {
  size_t count = 0;
  const SettingRow* table = SettingsTable(&count);
  ASSERT_EQ(count, size_t(SettingId::Count));
  std::set<std::string> names;
  bool inTimer = false;
  for (size_t i = 0; i < count; ++i) {
    EXPECT_EQ(size_t(table[i].Id), i);
    EXPECT_TRUE(names.insert(table[i].Name).second) << table[i].Name;
    // All of Settings is read before Timer.
    if (table[i].Where == Subkey::Timer) inTimer = true;
    else EXPECT_FALSE(inTimer) << table[i].Name;
  }
  EXPECT_STREQ(table[0].Name, "Left");
  EXPECT_STREQ(table[count - 1].Name, "WaveFile");
}

TEST(SettingsLayout, DefaultsAreThoseOfAFirstStart) {
  StoredSettings s = DefaultSettings();
  EXPECT_EQ(int32_t(s.Left), 100);
  EXPECT_EQ(int32_t(s.Top), 100);
  EXPECT_EQ(int32_t(s.Width), 116);
  EXPECT_EQ(int32_t(s.Height), 45);
  EXPECT_EQ(s.OnBorder, 1u);
  EXPECT_EQ(s.OnCaption + s.OnAnalog + s.OnSecond + s.OnTop + s.OnTransparent + s.OnBitmap, 0u);
  EXPECT_STREQ(s.FontName, L"Arial");
  EXPECT_EQ(int32_t(s.FontSize), 37);
  EXPECT_EQ(s.FontColor, 0x000000FFu);
  EXPECT_EQ(s.BkColor, 0x00C0C0C0u);
  EXPECT_EQ(s.OnTimer, 0u);
  EXPECT_EQ(s.OnAutoDelete, 1u);
  EXPECT_EQ(s.AlarmCount, 15u);
  EXPECT_STREQ(s.Alarm3, L"") << "no time: an absent one arms nothing";
  EXPECT_STREQ(s.Msg2, L"");
  EXPECT_STREQ(s.WaveFile, L"");
}

static std::string Names(SettingGroup g) {
  std::string out;
  for (size_t i = 0; i < g.Count; ++i) out += std::string(RowOf(g.Ids[i]).Name) + " ";
  return out;
}

TEST(SettingsLayout, SaveGroupsWriteTheirValuesInOrder) {
  EXPECT_EQ(Names(PlacementGroup()), "Left Top Width Height ");
  EXPECT_EQ(Names(FontGroup()),
            "FontName FontSize FontColor FontBold FontItalic BkColor FontHeight FontDpi ");
  EXPECT_EQ(Names(TimerGroup()),
            "OnTimer OnAutoDelete OnUseWave WaveFile AlarmCount On1 Alarm1 Msg1 On2 Alarm2 Msg2 "
            "On3 Alarm3 Msg3 On4 Alarm4 Msg4 ");
  EXPECT_EQ(Names(WeekGroup()), "Days1 Days2 Days3 Days4 SnoozeMinutes ");
  for (size_t i = 0; i < WeekGroup().Count; ++i) {
    const SettingRow& row = RowOf(WeekGroup().Ids[i]);
    EXPECT_EQ(row.Where, Subkey::Timer) << row.Name;
    EXPECT_EQ(row.Kind, ValueKind::Number) << row.Name;
    EXPECT_EQ(row.DefaultNumber, i < 4 ? 0x7Fu : 5u) << row.Name;
  }
}

TEST(SettingsLayout, DisplaySwitchesAreFoundByName) {
  for (const char* name : {"OnCaption", "OnAnalog", "OnSecond", "OnTop", "OnBorder",
                           "OnTransparent", "OnBitmap"}) {
    const SettingRow* row = FindSetting(name);
    ASSERT_NE(row, nullptr) << name;
    EXPECT_EQ(row->Kind, ValueKind::Switch);
    EXPECT_EQ(row->Where, Subkey::Settings);
  }
  EXPECT_EQ(FindSetting("NoSuchValue"), nullptr);
  EXPECT_EQ(NormalizeSwitch(2), 1u);
  EXPECT_EQ(NormalizeSwitch(0xFFFFFFFF), 1u);
  EXPECT_EQ(NormalizeSwitch(0), 0u);
}
