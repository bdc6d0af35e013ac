#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "base/UiLanguage.h"
#include "app/ContextMenu.h"
#include "app/rules/MenuRules.h"
#include "res/resource.h"
#include "settings/StartWithWindows.h"
#include "tests/host/FlagCombos.h"
#include "tests/win/ClockWindowFixture.h"
#include "tests/win/ImportHook.h"
#include "tests/win/RelayTrace.h"
#include "timer/TickState.h"

namespace {

struct ReadRow {
  std::wstring Text;
  UINT Id;
  bool Separator, Checked, Grey;
};

// Reads a menu back the way the system shows it, in UTF-16: what the user
// sees whatever the system's code page.
std::vector<ReadRow> ReadMenu(HMENU menu) {
  std::vector<ReadRow> rows;
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[64] = L"";
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = 64;
    GetMenuItemInfoW(menu, i, TRUE, &info);
    UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    rows.push_back({text, info.wID, (info.fType & MFT_SEPARATOR) != 0,
                    (state & MF_CHECKED) != 0, (state & MF_GRAYED) != 0});
    EXPECT_EQ((state & MF_CHECKED) != 0, (info.fState & MFS_CHECKED) != 0);
  }
  return rows;
}

std::vector<ReadRow> MenuFor(uint32_t flags, bool toolTip) {
  App->Flags.Bits = flags;
  App->OnToolTip = toolTip;
  HMENU menu = BuildContextMenu();
  EXPECT_NE(menu, nullptr);
  std::vector<ReadRow> rows = ReadMenu(menu);
  DestroyMenu(menu);
  return rows;
}

const ReadRow& RowWithId(const std::vector<ReadRow>& rows, UINT id) {
  for (const ReadRow& r : rows)
    if (r.Id == id && !r.Separator) return r;
  static ReadRow none{L"", 0, false, false, false};
  ADD_FAILURE() << "no item " << id;
  return none;
}

}  // namespace

// The default menu, read as UTF-16: every row as the rules give it, only
// the border checked.
static void ExpectDefaultMenu() {
  ScopedApp app;
  std::vector<ReadRow> rows = MenuFor(OnBorder, false);
  ASSERT_EQ(rows.size(), std::size(kDefaultMenu));
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(rows[i].Separator, kDefaultMenu[i] == nullptr);
    if (!kDefaultMenu[i]) continue;   // the system may show a separator as disabled
    EXPECT_EQ(rows[i].Text, kDefaultMenu[i]);
    EXPECT_EQ(rows[i].Id, MenuRules(FlagsOf(OnBorder), false).Row(int(i)).Id);
    EXPECT_EQ(rows[i].Checked, rows[i].Id == IDM_BORDER);
    EXPECT_FALSE(rows[i].Grey);
  }
}

// The UI language, not the code page, chooses the texts: a Western system
// (code page 1252) with a Japanese UI language shows the same Japanese items,
// which reach the system as UTF-16, never through the code page; a Japanese
// system (code page 932) with an English UI language shows English ones.
TEST(ContextMenu, TheUiLanguageNotTheCodePageChoosesTheItems) {
  if (!InTracedChild()) {
    RunCurrentTestInChild("LANG=en_US.UTF-8 LC_ALL= LC_MESSAGES=ja_JP.UTF-8");
    RunCurrentTestInChild("LANG=ja_JP.UTF-8 LC_ALL= LC_MESSAGES=en_US.UTF-8");
    return;
  }
  if (GetACP() == 1252) return ExpectDefaultMenu();
  ASSERT_EQ(GetACP(), 932u);
  ScopedApp app;
  const std::vector<ReadRow> rows = MenuFor(OnBorder, false);
  EXPECT_EQ(RowWithId(rows, IDM_TIMER).Text, L"Time&r Settings...");
  for (const ReadRow& row : rows)
    EXPECT_TRUE(std::all_of(row.Text.begin(), row.Text.end(), [](wchar_t c) { return c < 0x3000; }));
}

// The menu that the system holds is the one the rules describe, for every
// combination of the options and the tooltip switch.
TEST(ContextMenu, TheBuiltMenuFollowsTheRulesInEveryCombination) {
  ScopedApp app;
  for (DisplayFlags f : AllFlagCombinations()) for (bool tip : {false, true}) {
    std::vector<ReadRow> rows = MenuFor(f.Bits, tip);
    ASSERT_EQ(rows.size(), size_t(MenuRules::kRowCount));
    MenuRules rules(f, tip);
    for (int i = 0; i < MenuRules::kRowCount; ++i) {
      MenuRow want = rules.Row(i);
      SCOPED_TRACE(testing::Message() << "row " << i + 1 << " " << Describe(f) << " tip " << tip);
      ASSERT_EQ(rows[i].Separator, want.IsSeparator());
      if (want.IsSeparator()) continue;
      EXPECT_EQ(rows[i].Text, UiText(want.TextId));
      EXPECT_EQ(rows[i].Id, want.Id);
      EXPECT_EQ(rows[i].Checked, want.Checked);
      EXPECT_EQ(rows[i].Grey, want.Grey);
    }
  }
}

// --- the tracked menu ---------------------------------------------------------

TEST_F(ClockWindowTest, RightClickMenuIsTrackedWithTheTickHeldAndEndsWithAFullRedraw) {
  OpenClock(OnAnalog | OnSecond | OnTop | OnHour12);
  std::vector<ReadRow> tracked;
  bool heldWhileTracked = false;
  Tick.MinuteChanged = false;
  // A watchdog: should the cancel not arrive, the menu still ends.
  UINT_PTR watchdog = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) [[gnu::stdcall]] { EndMenu(); });
  LRESULT result = OpenContextMenu([&](HMENU menu) {
    tracked = ReadMenu(menu);
    heldWhileTracked = Tick.Held();
  });
  KillTimer(nullptr, watchdog);

  EXPECT_EQ(result, 0);
  ASSERT_EQ(tracked.size(), 19u);
  EXPECT_TRUE(RowWithId(tracked, IDM_ANALOG).Checked);
  EXPECT_TRUE(RowWithId(tracked, IDM_SECOND).Checked);
  EXPECT_TRUE(RowWithId(tracked, IDM_ONTOP).Checked);
  EXPECT_TRUE(RowWithId(tracked, IDM_HOUR12).Checked);
  EXPECT_FALSE(RowWithId(tracked, IDM_BORDER).Checked);
  EXPECT_TRUE(RowWithId(tracked, IDM_FONT).Grey);
  EXPECT_TRUE(heldWhileTracked);
  EXPECT_FALSE(Tick.Held());
  EXPECT_TRUE(Tick.MinuteChanged);
}

// --- the start at sign-in -------------------------------------------------------

static const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The value "Tivora" of the user's Run key, or "<none>".
static std::wstring RunValue() {
  wchar_t text[600] = L"";
  DWORD size = sizeof text - sizeof(wchar_t), type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return L"<none>";
  LONG rc = RegQueryValueExW(key, L"Tivora", nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS && type == REG_SZ ? text : L"<none>";
}

static void PutRunValue(const wchar_t* command) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  if (command) {
    RegSetValueExW(key, L"Tivora", 0, REG_SZ, reinterpret_cast<const BYTE*>(command),
                   DWORD(wcslen(command) + 1) * sizeof(wchar_t));
  } else {
    RegDeleteValueW(key, L"Tivora");
  }
  RegCloseKey(key);
}

TEST_F(ClockWindowTest, StartAtSignInShowsAndWritesTheRunValueOfThisExeWhereItIsNow) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  const std::wstring thisExe = std::wstring(L"\"") + exe + L"\"";
  PutRunValue(nullptr);
  OpenClock(OnBorder);
  auto shownChecked = [] {
    return RowWithId(MenuFor(App->Flags.Bits, App->OnToolTip), IDM_STARTUP).Checked;
  };
  EXPECT_EQ(RowWithId(MenuFor(OnBorder, false), IDM_STARTUP).Text, L"Windows 起動時に開始(&W)");
  EXPECT_FALSE(shownChecked());
  Command(IDM_STARTUP);
  EXPECT_EQ(RunValue(), thisExe);
  EXPECT_TRUE(shownChecked());
  Command(IDM_STARTUP);
  EXPECT_EQ(RunValue(), L"<none>");
  EXPECT_FALSE(shownChecked());
  // Written by this exe in another place: not this exe's start, and
  // choosing the item writes where it is now.
  PutRunValue(L"\"C:\\old place\\tivora.exe\"");
  EXPECT_FALSE(shownChecked());
  Command(IDM_STARTUP);
  EXPECT_EQ(RunValue(), thisExe);
  EXPECT_TRUE(shownChecked());
  PutRunValue(nullptr);
  // Paths are compared as Windows compares them, ignoring the case of any letter.
  const wchar_t* stored = L"\"C:\\Über\\Ωρα\\tivora.EXE\"";
  const wchar_t *sameInOtherCase = L"c:\\über\\ΩΡΑ\\Tivora.exe", *other = L"C:\\Uber\\Ωρα\\tivora.exe";
  EXPECT_TRUE(IsRunCommandFor(stored, sameInOtherCase));
  EXPECT_FALSE(IsRunCommandFor(stored, other));

  // A write that the registry refuses is told, and never shown as checked.
  using SetValue = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD);
  const SetValue refuse = [](HKEY, LPCWSTR, DWORD, DWORD, const BYTE*, DWORD)
                              [[gnu::stdcall]] -> LONG { return ERROR_ACCESS_DENIED; };
  size_t told = 0;
  {
    MessageBoxCatcher boxes;
    const SetValue real = PatchImport("RegSetValueExW", refuse);
    ASSERT_NE(real, nullptr);
    Command(IDM_STARTUP);
    PatchImport("RegSetValueExW", real);
    told = boxes.Shown.size();
  }
  EXPECT_EQ(told, 1u) << "the refused write is told";
  EXPECT_EQ(RunValue(), L"<none>");
  EXPECT_FALSE(shownChecked());
}
