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
}

static std::string Names(SaveGroup group) {
  SettingId ids[size_t(SettingId::Count)];
  std::string out;
  for (size_t i = 0, n = GroupIds(group, ids); i < n; ++i) out += std::string(RowOf(ids[i]).Name) + " ";
  return out;
}

TEST(SettingsLayout, SaveGroupsWriteTheirValuesInOrder) {
  EXPECT_EQ(Names(SaveGroup::Placement), "Left Top Width Height ");
  EXPECT_EQ(Names(SaveGroup::Font),
            "FontName FontSize FontColor FontBold FontItalic BkColor FontHeight FontDpi ");
  EXPECT_EQ(Names(SaveGroup::Timer),
            "OnTimer OnAutoDelete OnUseWave WaveFile AlarmCount On1 Alarm1 Msg1 On2 Alarm2 Msg2 "
            "On3 Alarm3 Msg3 On4 Alarm4 Msg4 ");
  EXPECT_EQ(Names(SaveGroup::Week), "Days1 Days2 Days3 Days4 SnoozeMinutes ");
  EXPECT_EQ(Names(SaveGroup::None), "") << "a switch is saved on its own";
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
