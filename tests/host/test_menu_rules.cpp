#include <gtest/gtest.h>
#include <cstring>
#include <cwchar>
#include <set>
#include "app/rules/MenuRules.h"
#include "res/resource.h"
#include "settings/rules/RunCommand.h"
#include "tests/host/FlagCombos.h"

namespace {

// The row carrying a command, searched by id so that a test names what the
// user sees rather than a position.
MenuRow RowOf(const MenuRules& rules, uint16_t id) {
  for (int i = 0; i < MenuRules::kRowCount; ++i)
    if (rules.Row(i).Id == id) return rules.Row(i);
  ADD_FAILURE() << "no row with id " << id;
  return {0, 0, false, false};
}

// The switch that a row takes, or null for a row that switches no option.
const MenuSwitch* SwitchOfRow(uint16_t id) {
  for (const MenuSwitch& s : kMenuSwitches)
    if (s.Id == id) return &s;
  return nullptr;
}

// A switch row is grey when its switch would be refused or would break a rule
// of the display that holds now. A stored combination that already breaks a
// rule (a registry edited by hand) keeps the row that guards that rule grey,
// whichever way it would switch.
bool SwitchRowIsGrey(const MenuSwitch& row, DisplayFlags f) {
  SwitchPlan plan = SwitchRules::Plan(row.Switch, f);
  if (plan.Refused || BreaksARule(f, plan.After)) return true;
  for (const DisplayRule& rule : kDisplayRules)
    if (rule.GreyedRow == row.Id && rule.Broken(f)) return true;
  return false;
}

}  // namespace

// The rows in their order, each with a command of its own and the text of
// that command's id.
TEST(MenuRows, RowsInTheirOrderEachWithItsOwnCommandAndItsText) {
  MenuRules rules(FlagsOf(OnBorder), false);
  ASSERT_EQ(std::size(kDefaultMenu), size_t(MenuRules::kRowCount));
  std::set<uint16_t> commands;
  for (int i = 0; i < MenuRules::kRowCount; ++i) {
    MenuRow row = rules.Row(i);
    SCOPED_TRACE(i + 1);
    if (kDefaultMenu[i] == nullptr) {
      EXPECT_TRUE(row.IsSeparator());
      EXPECT_FALSE(row.Checked || row.Grey);
      continue;
    }
    ASSERT_FALSE(row.IsSeparator());
    EXPECT_EQ(row.TextId, row.Id);
    EXPECT_TRUE(commands.insert(row.Id).second) << "a command of its own";
  }
  EXPECT_TRUE(rules.Row(-1).IsSeparator());
  EXPECT_TRUE(rules.Row(MenuRules::kRowCount).IsSeparator());
}

TEST(MenuRows, BackgroundRowNamesThePictureWhileOnePictureIsUsed) {
  for (DisplayFlags f : AllFlagCombinations()) {
    MenuRules rules(f, false);
    EXPECT_EQ(rules.Row(1).TextId, f.Has(OnBitmap) ? IDS_PICTURE_MENU : IDM_BACKGROUND)
        << Describe(f);
    EXPECT_EQ(rules.Row(1).Id, IDM_BACKGROUND);
  }
}

TEST(MenuChecks, DefaultsShowOnlyTheBorderCheckedAndNothingGrey) {
  MenuRules rules(FlagsOf(OnBorder), false);
  for (int i = 0; i < MenuRules::kRowCount; ++i) {
    MenuRow row = rules.Row(i);
    EXPECT_EQ(row.Checked, row.Id == IDM_BORDER) << i + 1;
    EXPECT_FALSE(row.Grey) << i + 1;
  }
  // The start at sign-in shows what the Run key holds, and nothing else does.
  MenuRules starting(FlagsOf(OnBorder), false, true);
  for (int i = 0; i < MenuRules::kRowCount; ++i)
    EXPECT_EQ(starting.Row(i).Checked, starting.Row(i).Id == IDM_BORDER || starting.Row(i).Id == IDM_STARTUP)
        << i + 1;
}

TEST(RunCommand, TheQuotedPathOfThisExeAndNoOtherStartsIt) {
  wchar_t command[32];
  ASSERT_TRUE(QuoteCommand(L"C:\\時計\\tivora.exe", command, 32));
  EXPECT_STREQ(command, L"\"C:\\時計\\tivora.exe\"");
  EXPECT_TRUE(QuoteCommand(L"C:\\a.exe", command, 11));   // 8 units, quotes and terminator
  EXPECT_FALSE(QuoteCommand(L"C:\\a.exe", command, 10));
  const wchar_t* exe = L"C:\\Tools\\tivora.exe";
  const auto ascii = +[](wchar_t c) { return c >= L'a' && c <= L'z' ? wchar_t(c - 32) : c; };
  EXPECT_TRUE(IsCommandFor(L"\"C:\\Tools\\tivora.exe\"", exe, ascii));
  EXPECT_TRUE(IsCommandFor(L"\"c:\\TOOLS\\Tivora.EXE\"", exe, ascii)) << "as the casing table puts them";
  for (const wchar_t* other : {L"C:\\Tools\\tivora.exe", L"\"C:\\Old\\tivora.exe\"",
                               L"\"C:\\Tools\\tivora.exe\" /min", L"\"C:\\Tools\\tivora.ex\"",
                               L"\"C:\\Tools\\tivora.exe", L"", L"\"\""})
    EXPECT_FALSE(IsCommandFor(other, exe, ascii)) << other;
}

TEST(MenuChecks, EachSwitchRowShowsItsOwnOptionInEveryCombination) {
  for (DisplayFlags f : AllFlagCombinations()) {
    for (bool tip : {false, true}) {
      MenuRules rules(f, tip);
      for (const DisplayFlagRow& s : kDisplayFlagRows)
        EXPECT_EQ(RowOf(rules, s.MenuId).Checked, f.Has(s.Bit)) << Describe(f);
      EXPECT_EQ(RowOf(rules, IDM_TOOLTIP).Checked, tip);
      for (uint16_t id : {IDM_FONT, IDM_BACKGROUND, IDM_TIMER, IDM_ABOUT, IDM_EXIT})
        EXPECT_FALSE(RowOf(rules, id).Checked) << id << " " << Describe(f);
    }
  }
}

// The greying keeps the user to what the display can show, over every
// combination: in the ones the menu itself leads to, a switch row is grey
// exactly when its switch would be refused or would leave the display
// inconsistent.
TEST(MenuGrey, EveryCombinationGreysExactlyWhatTheDisplayCannotDo) {
  for (DisplayFlags f : AllFlagCombinations()) {
    for (bool tip : {false, true}) {
      MenuRules rules(f, tip);
      for (int i = 0; i < MenuRules::kRowCount; ++i) {
        MenuRow row = rules.Row(i);
        if (row.IsSeparator()) continue;
        SCOPED_TRACE(testing::Message() << "row " << row.Id << ", " << Describe(f)
                                        << (tip ? ", tip" : ""));
        const MenuSwitch* s = SwitchOfRow(row.Id);
        if (s) {
          EXPECT_EQ(row.Grey, SwitchRowIsGrey(*s, f));
        }
        if (s && Consistent(f)) {
          SwitchPlan plan = SwitchRules::Plan(s->Switch, f);
          EXPECT_EQ(row.Grey, plan.Refused || !Consistent(plan.After));
        }
      }
    }
  }
}

// The rows that switch no option have reasons of their own, each a fact the
// user sees: fonts serve the digits alone, and digits shown transparent (with
// or without a caption) have no ground to colour or to cover with a picture.
// The timer, the About box, the tooltip and the exit are always open.
TEST(MenuGrey, FontOnlyForDigitsGroundOnlyWhereTheDigitsHaveOne) {
  for (DisplayFlags f : AllFlagCombinations()) {
    MenuRules rules(f, false);
    SCOPED_TRACE(Describe(f));
    EXPECT_EQ(RowOf(rules, IDM_FONT).Grey, f.Has(OnAnalog));
    EXPECT_EQ(RowOf(rules, IDM_BACKGROUND).Grey, f.IsTransparentDigital());
    for (uint16_t id : {IDM_TIMER, IDM_ABOUT, IDM_TOOLTIP, IDM_EXIT})
      EXPECT_FALSE(RowOf(rules, id).Grey) << id;
  }
}
