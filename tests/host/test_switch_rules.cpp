#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include "app/rules/MenuRules.h"
#include "app/rules/SwitchRules.h"
#include "res/resource.h"
#include "settings/rules/SettingsLayout.h"
#include "tests/host/FlagCombos.h"

namespace {

using Write = std::pair<uint32_t, bool>;


std::vector<Write> WritesOf(const SwitchPlan& plan) {
  std::vector<Write> w;
  for (int i = 0; i < plan.StepCount; ++i) w.push_back({plan.Steps[i].Flag, plan.Steps[i].On});
  return w;
}

const DisplaySwitch kAllSwitches[] = {
    DisplaySwitch::Caption,        DisplaySwitch::Border, DisplaySwitch::OnTop,
    DisplaySwitch::Transparent,    DisplaySwitch::TransparentOff, DisplaySwitch::Analog,
    DisplaySwitch::Seconds,        DisplaySwitch::Bitmap};

}  // namespace

TEST(SwitchWrites, WhatIsWrittenIsWhatTheOptionsBecomeAndNothingElseChanges) {
  for (DisplaySwitch s : kAllSwitches) {
    for (DisplayFlags f : AllFlagCombinations()) {
      SwitchPlan plan = SwitchRules::Plan(s, f);
      EXPECT_EQ(plan.Before.Bits, f.Bits);
      uint32_t written = 0;
      for (Write w : WritesOf(plan)) {
        EXPECT_EQ(plan.After.Has(w.first), w.second) << Describe(f);
        written |= w.first;
      }
      EXPECT_EQ((plan.Before.Bits ^ plan.After.Bits) & ~written, 0u)
          << "an option changed without being written: " << Describe(f);
    }
  }
}

TEST(SwitchWrites, PlainSwitchesFlipAndWriteTheirOwnOptionOnly) {
  struct { DisplaySwitch S; uint32_t Flag; } plain[] = {
      {DisplaySwitch::Border, OnBorder}, {DisplaySwitch::OnTop, OnTop},
      {DisplaySwitch::Bitmap, OnBitmap}};
  for (auto p : plain) {
    for (DisplayFlags f : AllFlagCombinations()) {
      SwitchPlan plan = SwitchRules::Plan(p.S, f);
      EXPECT_EQ(WritesOf(plan), (std::vector<Write>{{p.Flag, !f.Has(p.Flag)}})) << Describe(f);
      EXPECT_EQ(plan.After.Bits, f.Bits ^ p.Flag);
      EXPECT_FALSE(plan.Refused);
    }
  }
}

// The caption switch flips the caption and, where the caption alone would
// break a rule of the display, ends the transparency; nothing else.
TEST(SwitchWrites, CaptionOnAnEndsTheTransparencyOfAnAnalogClock) {
  for (DisplayFlags f : AllFlagCombinations()) {
    SwitchPlan plan = SwitchRules::Plan(DisplaySwitch::Caption, f);
    const DisplayFlags flipped = FlagsOf(f.Bits ^ OnCaption);
    std::vector<Write> expected{{OnCaption, flipped.Has(OnCaption)}};
    if (BreaksARule(f, flipped)) expected.push_back({OnTransparent, false});
    EXPECT_EQ(WritesOf(plan), expected) << Describe(f);
    EXPECT_FALSE(BreaksARule(f, plan.After)) << Describe(f);
  }
  // Digital stays transparent under a caption.
  EXPECT_TRUE(SwitchRules::Plan(DisplaySwitch::Caption, FlagsOf(OnTransparent)).After.Has(OnTransparent));
}

TEST(SwitchWrites, TransparencyTurnsOffTheBorderOfAnalogAndTheOnTopOfDigital) {
  SwitchPlan analog = SwitchRules::Plan(DisplaySwitch::Transparent, FlagsOf(OnAnalog | OnBorder));
  EXPECT_EQ(WritesOf(analog), (std::vector<Write>{{OnTransparent, true}, {OnBorder, false}}));
  EXPECT_TRUE(analog.After.IsShaped());

  SwitchPlan digital = SwitchRules::Plan(DisplaySwitch::Transparent, FlagsOf(OnBorder | OnTop));
  EXPECT_EQ(WritesOf(digital), (std::vector<Write>{{OnTransparent, true}, {OnTop, false}}));
  EXPECT_TRUE(digital.After.Has(OnBorder));   // a digital clock keeps its border

  SwitchPlan analogOnTop = SwitchRules::Plan(DisplaySwitch::Transparent, FlagsOf(OnAnalog | OnTop));
  EXPECT_EQ(WritesOf(analogOnTop), (std::vector<Write>{{OnTransparent, true}}));

  // Turning transparency off turns nothing else off.
  for (DisplayFlags f : AllFlagCombinations()) {
    if (!f.Has(OnTransparent)) continue;
    SwitchPlan plan = SwitchRules::Plan(DisplaySwitch::Transparent, f);
    EXPECT_EQ(WritesOf(plan), (std::vector<Write>{{OnTransparent, false}})) << Describe(f);
  }
}

TEST(SwitchWrites, ChangingTheFaceWritesTransparencyOffFirstInEveryCombination) {
  for (DisplayFlags f : AllFlagCombinations()) {
    SwitchPlan plan = SwitchRules::Plan(DisplaySwitch::Analog, f);
    EXPECT_EQ(WritesOf(plan),
              (std::vector<Write>{{OnTransparent, false}, {OnAnalog, !f.Has(OnAnalog)}}))
        << Describe(f);
    SwitchPlan off = SwitchRules::Plan(DisplaySwitch::TransparentOff, f);
    EXPECT_EQ(WritesOf(off), (std::vector<Write>{{OnTransparent, false}})) << Describe(f);
  }
}

// The seconds switch is refused exactly where the seconds would break a rule
// of the display, and otherwise flips them alone.
TEST(SwitchWrites, SecondsAreRefusedOnlyWhenATransparentDigitalClockWouldShowThem) {
  for (DisplayFlags f : AllFlagCombinations()) {
    SwitchPlan plan = SwitchRules::Plan(DisplaySwitch::Seconds, f);
    bool refuse = BreaksARule(f, FlagsOf(f.Bits ^ OnSecond));
    EXPECT_EQ(plan.Refused, refuse) << Describe(f);
    if (refuse) {
      EXPECT_EQ(plan.StepCount, 0);
      EXPECT_EQ(plan.After.Bits, f.Bits);
    } else {
      EXPECT_EQ(WritesOf(plan), (std::vector<Write>{{OnSecond, !f.Has(OnSecond)}}));
    }
  }
}

// Each option is stored as a switch of the Settings key under its own name.
TEST(SwitchWrites, EachOptionIsStoredUnderItsOwnName) {
  uint32_t seen = 0;
  for (const DisplayFlagRow& row : kDisplayFlagRows) {
    SCOPED_TRACE(row.ValueName);
    EXPECT_EQ(seen & row.Bit, 0u) << "one row per bit";
    seen |= row.Bit;
    EXPECT_STREQ(SwitchRules::ValueName(row.Bit), row.ValueName);
    const SettingRow* stored = FindSetting(row.ValueName);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->Kind, ValueKind::Switch);
    EXPECT_EQ(stored->Where, Subkey::Settings);
  }
  EXPECT_EQ(seen, 0x1FEu) << "every option has its row";
  EXPECT_EQ(SwitchRules::ValueName(0), nullptr);
  EXPECT_EQ(SwitchRules::ValueName(OnBorder | OnTop), nullptr);
}

// Whatever the user picks from the menu, the clock never lands in a state
// that the greying forbids.
TEST(SwitchConsistency, EveryEnabledMenuSwitchKeepsTheDisplayConsistent) {
  int reachable = 0;
  for (DisplayFlags f : AllFlagCombinations()) {
    if (!Consistent(f)) continue;
    ++reachable;
    MenuRules menu(f, false);
    for (const MenuSwitch& item : kMenuSwitches) {
      bool grey = false;
      for (int i = 0; i < MenuRules::kRowCount; ++i)
        if (menu.Row(i).Id == item.Id) grey = menu.Row(i).Grey;
      if (grey) continue;
      SwitchPlan plan = SwitchRules::Plan(item.Switch, f);
      EXPECT_TRUE(Consistent(plan.After))
          << "item " << item.Id << " from " << Describe(f) << " to " << Describe(plan.After);
    }
  }
  EXPECT_GT(reachable, 64);
}
