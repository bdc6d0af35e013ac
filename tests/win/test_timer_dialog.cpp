#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "app/ClockSettings.h"
#include "res/resource.h"
#include "tests/win/DialogTemplate.h"
#include "tests/win/RelayTrace.h"
#include "tests/win/TestSupport.h"
#include "tests/win/TestWave.h"
#include "tests/win/UnwritableKey.h"
#include "timer/AlarmBinding.h"
#include "timer/Dialogs.h"
#include "timer/TimerSettingsDialog.h"

namespace {

// --- reading what was stored --------------------------------------------------

std::string StoredText(const char* name) {
  char text[300] = "";
  return GetText("Timer", name, text, sizeof text) ? text : "<missing>";
}

DWORD StoredDword(const char* name) { return DWORD(StoredNumber("Timer", name)); }

class TimerSettings : public testing::Test {
protected:
  void SetUp() override { ResetClockRegistry(); }
  void TearDown() override {
    Close();
    ResetClockRegistry();
  }

  // Creates the dialog from the real template with the program's procedure;
  // WM_INITDIALOG fills it from App's settings.
  void Open() {
    Close();
    dialog = CreateDialogParamW(GetModuleHandleW(nullptr), L"SETTIMERDLG", nullptr,
                                TimerSettingsDialog, Alarms());
    ASSERT_NE(dialog, nullptr);
  }
  // The dialog's parameter, as the menu hands it over: App's record and its store.
  LPARAM Alarms() {
    binding.Alarms = &app->Alarms;
    binding.Store = SaveTimerSettings;
    return reinterpret_cast<LPARAM>(&binding);
  }
  void Close() {
    if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
    dialog = nullptr;
  }

  void Type(int id, const char* text) { SetDlgItemTextA(dialog, id, text); }
  std::string Shown(int id) {
    char text[300] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
  }
  void Click(int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
  }
  bool Checked(int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

  // Presses OK; a message box it raises is answered and kept in Boxes. True
  // when the dialog ended (EndDialog hides a dialog made with
  // CreateDialogParamA).
  bool PressOk() {
    MessageBoxCatcher catcher(dialog);
    Click(IDOK);
    Boxes.insert(Boxes.end(), catcher.Shown.begin(), catcher.Shown.end());
    return !IsWindowVisible(dialog);
  }

  // OK was refused as the user sees it: one modal box titled with the
  // program's name, the dialog still open, the focus on the bad field and
  // nothing stored.
  void ExpectRefusedAt(int id, const std::string& input) {
    EXPECT_TRUE(IsWindowVisible(dialog)) << input;
    ASSERT_EQ(Boxes.size(), 1u) << input;
    EXPECT_EQ(Boxes[0].Title, "Tivora") << input;
    EXPECT_EQ(Boxes[0].Text, "ﾃﾞｰﾀ値が不正です") << input;
    EXPECT_EQ(Boxes[0].Owner, dialog) << input;
    EXPECT_TRUE(Boxes[0].OwnerDisabled) << input;
    EXPECT_TRUE(Boxes[0].HasIcon) << input;
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, id)) << input << " focus on " << GetDlgCtrlID(GetFocus());
    EXPECT_FALSE(ClockKeyExists("Timer")) << input;
    EXPECT_EQ(Shown(id), input) << "the input stays as typed";
  }

  ScopedApp app;
  AlarmBinding binding;
  HWND dialog = nullptr;
  std::vector<SeenBox> Boxes;
};

// --- the template ---------------------------------------------------------------

// In each language: every control inside the dialog and none over another
// (a group box holds its radio buttons); after the first 31 in tab order a
// heading, each alarm's seven weekday toggles on its row, the snooze beside
// the count, then the chime's line.
TEST(TimerSettingsTemplate, EveryControlLiesInsideTheDialogAndNoneOverAnother) {
  for (LANGID language : {kJapanese, kEnglish}) {
    const DialogTemplate t = ReadDialogTemplate("SETTIMERDLG", language);
    SCOPED_TRACE(testing::Message() << std::hex << language);
    ASSERT_EQ(t.Items.size(), 31u + 1 + 28 + 3 + 5);
    auto group = [](const TemplateItem& c) { return c.Class == L"Button" && (c.Style & BS_TYPEMASK) == BS_GROUPBOX; };
    for (size_t i = 0; i < t.Items.size(); ++i) {
      const TemplateItem& a = t.Items[i];
      EXPECT_TRUE(a.X >= 0 && a.Y >= 0 && a.X + a.Cx <= t.Cx && a.Y + a.Cy <= t.Cy) << "control " << i;
      for (size_t j = 0; j < i; ++j) {
        const TemplateItem& b = t.Items[j];
        const bool overlap = a.X < b.X + b.Cx && b.X < a.X + a.Cx && a.Y < b.Y + b.Cy && b.Y < a.Y + a.Cy;
        EXPECT_FALSE(overlap && !group(a) && !group(b)) << "control " << i << " over control " << j;
      }
    }
    for (int i = 0; i < 28; ++i) {
      EXPECT_EQ(t.Items[32 + i].Id, IDC_ALARM1_DAYS + i);
      EXPECT_EQ(t.Items[32 + i].Y, t.Items[6 + 3 * (i / 7)].Y) << "on its alarm's row";
    }
    EXPECT_EQ(t.Items[61].Id, IDC_SNOOZE_MINUTES);
    EXPECT_EQ(t.Items[63].Id, IDC_CHIME);
  }
}

// --- filling -----------------------------------------------------------------------

TEST_F(TimerSettings, OpensShowingTheStoredSettings) {
  AlarmSettings& s = app->Alarms;
  s.OnTimer = true;
  s.AlarmCount = 12;
  s.OnAutoDelete = true;
  s.OnUseWave = true;
  lstrcpyW(s.WaveFile, L"C:\\音\\ring.wav");
  s.Alarms[0].SetTime(L"07:05");
  s.Alarms[0].On = 1;
  s.Alarms[0].SetMessage(L"起きる");
  s.Alarms[2].SetTime(L"23:59");
  s.Alarms[3].On = 1;
  s.Alarms[0].SetDays(0x3E);   // Monday to Friday
  s.Alarms[2].SetDays(0x41);   // the weekend
  s.SnoozeMinutes = 9;
  s.OnChime = true;
  s.ChimeTo = 6;
  Open();
  EXPECT_TRUE(Checked(IDC_CHIME));
  EXPECT_EQ(Shown(IDC_CHIME_FROM) + " " + Shown(IDC_CHIME_TO), "9 6");
  EXPECT_TRUE(Checked(IDC_TIMER_ON));
  const uint32_t days[4] = {0x3E, 0x7F, 0x41, 0x7F};
  for (int i = 0; i < 28; ++i)
    EXPECT_EQ(Checked(IDC_ALARM1_DAYS + i), (days[i / 7] >> (i % 7) & 1) != 0) << i;
  EXPECT_EQ(Shown(IDC_SNOOZE_MINUTES), "9");
  EXPECT_FALSE(Checked(IDC_TIMER_OFF));
  const bool on[4] = {true, false, false, true};
  const char* times[4] = {"07:05", "00:00", "23:59", "00:00"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Checked(IDC_ALARM1_ON + i), on[i]) << i;
    EXPECT_EQ(Shown(IDC_ALARM1_TIME + i), times[i]) << i;
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_ALARM1_TIME + i, EM_GETLIMITTEXT, 0, 0), 5) << i;
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_ALARM1_MSG + i, EM_GETLIMITTEXT, 0, 0), 30) << i;
  }
  EXPECT_EQ(Shown(IDC_ALARM1_MSG), "起きる");
  EXPECT_EQ(Shown(IDC_ALARM1_MSG + 1), "");
  EXPECT_EQ(Shown(IDC_ALARM_COUNT), "12");
  EXPECT_TRUE(Checked(IDC_AUTO_DELETE));
  EXPECT_TRUE(Checked(IDC_USE_WAVE));
  EXPECT_EQ(Shown(IDC_WAVE_FILE), "C:\\音\\ring.wav");

  app->Alarms.OnTimer = false;
  app->Alarms.OnUseWave = false;
  Open();
  EXPECT_TRUE(Checked(IDC_TIMER_OFF));
  EXPECT_FALSE(Checked(IDC_TIMER_ON));
  EXPECT_FALSE(Checked(IDC_USE_WAVE));
}

TEST_F(TimerSettings, AStoredCountOutsideTheRangeIsShownAndMustBeCorrected) {
  app->Alarms.AlarmCount = 100;
  Open();
  EXPECT_EQ(Shown(IDC_ALARM_COUNT), "100");
  EXPECT_FALSE(PressOk());
  ExpectRefusedAt(IDC_ALARM_COUNT, "100");
  Boxes.clear();
  Type(IDC_ALARM_COUNT, "10");
  EXPECT_TRUE(PressOk());
  EXPECT_TRUE(Boxes.empty());
  EXPECT_EQ(app->Alarms.AlarmCount, 10u);
  EXPECT_EQ(StoredDword("AlarmCount"), 10u);
}

// --- checking at OK -----------------------------------------------------------------

TEST_F(TimerSettings, TimesWithAnySeparatorAreTakenAsThatTime) {
  for (const char* text : {"07:30", "07.30", "07 30"}) {
    ResetClockRegistry();
    Boxes.clear();
    app->Alarms.Alarms[1] = AlarmEntry();
    Open();
    Type(IDC_ALARM1_TIME + 1, text);
    EXPECT_TRUE(PressOk()) << text;
    EXPECT_TRUE(Boxes.empty()) << text;
    EXPECT_EQ(app->Alarms.Alarms[1].Hour, 7) << text;
    EXPECT_EQ(app->Alarms.Alarms[1].Minute, 30) << text;
    EXPECT_EQ(StoredText("Alarm2"), "07:30") << text;
  }
}

// A path of `characters` times `character` and ".wav" after "C:\".
std::string PathOf(const char* character, int characters) {
  std::string path = "C:\\";
  for (int i = 0; i < characters; ++i) path += character;
  return path + ".wav";
}

// Each field that OK checks refuses what is no valid value, whether its
// alarm and the timer are on or off; a wave path is stored whole or not at all.
TEST_F(TimerSettings, BadInputIsRefusedWithTheFocusOnItsField) {
  const std::string pathOf273Bytes = PathOf("あ", 133), pathOf260Letters = PathOf("x", 253);
  struct Case { int id; const char* text; };
  const Case cases[] = {
      {IDC_WAVE_FILE, pathOf273Bytes.c_str()}, {IDC_WAVE_FILE, pathOf260Letters.c_str()},
      {IDC_ALARM1_TIME, "7:30"},       {IDC_ALARM1_TIME + 1, "24:00"},
      {IDC_ALARM1_TIME + 2, "07:60"},  {IDC_ALARM1_TIME + 3, "０７:３０"},
      {IDC_ALARM1_TIME, "ab:cd"},      {IDC_ALARM1_TIME + 2, "1200"},
      {IDC_ALARM_COUNT, "0"},          {IDC_ALARM_COUNT, "61"},
      {IDC_ALARM_COUNT, "-1"},         {IDC_ALARM_COUNT, ""},
      {IDC_ALARM_COUNT, "abc"},        {IDC_ALARM_COUNT, "5x"},
      {IDC_SNOOZE_MINUTES, "0"},       {IDC_SNOOZE_MINUTES, "61"},
      {IDC_SNOOZE_MINUTES, ""},        {IDC_SNOOZE_MINUTES, "x"},
      {IDC_CHIME_FROM, "24"},          {IDC_CHIME_TO, "-1"},
      {IDC_CHIME_FROM, ""},            {IDC_CHIME_TO, "9時"},
  };
  const AlarmSettings before = app->Alarms;
  for (bool on : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(on ? "alarms on" : "alarms off");
      Boxes.clear();
      Open();
      CheckRadioButton(dialog, IDC_TIMER_ON, IDC_TIMER_OFF, on ? IDC_TIMER_ON : IDC_TIMER_OFF);
      for (int i = 0; i < 4; ++i)
        CheckDlgButton(dialog, IDC_ALARM1_ON + i, on ? BST_CHECKED : BST_UNCHECKED);
      Type(c.id, c.text);
      EXPECT_FALSE(PressOk()) << c.text;
      ExpectRefusedAt(c.id, c.text);
      for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(app->Alarms.Alarms[i].On, before.Alarms[i].On) << "nothing reaches the settings";
        EXPECT_EQ(app->Alarms.Alarms[i].Hour, before.Alarms[i].Hour);
        EXPECT_EQ(app->Alarms.Alarms[i].Minute, before.Alarms[i].Minute);
      }
      EXPECT_EQ(app->Alarms.OnTimer, before.OnTimer);
      EXPECT_EQ(app->Alarms.AlarmCount, before.AlarmCount);
      EXPECT_EQ(app->Alarms.SnoozeMinutes, before.SnoozeMinutes);
    }
  }
}

TEST_F(TimerSettings, CountsFromOneToSixtyAreStoredAsNumbers) {
  struct Case { const char* text; DWORD count; };
  for (const Case& c : {Case{"1", 1}, Case{"60", 60}, Case{"007", 7}}) {
    ResetClockRegistry();
    Boxes.clear();
    Open();
    Type(IDC_ALARM_COUNT, c.text);
    EXPECT_TRUE(PressOk()) << c.text;
    EXPECT_TRUE(Boxes.empty()) << c.text;
    EXPECT_EQ(app->Alarms.AlarmCount, c.count) << c.text;
    EXPECT_EQ(StoredDword("AlarmCount"), c.count) << c.text;
  }
}

TEST_F(TimerSettings, TheFirstBadFieldTakesTheFocusUntilAllAreRight) {
  Open();
  Type(IDC_ALARM1_TIME + 3, "25:00");
  Type(IDC_ALARM1_TIME + 1, "1200");
  Type(IDC_ALARM_COUNT, "0");
  EXPECT_FALSE(PressOk());
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_ALARM1_TIME + 1));
  Type(IDC_ALARM1_TIME + 1, "12:00");
  EXPECT_FALSE(PressOk());
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_ALARM1_TIME + 3));
  Type(IDC_ALARM1_TIME + 3, "23:00");
  EXPECT_FALSE(PressOk());
  EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_ALARM_COUNT));
  EXPECT_EQ(Boxes.size(), 3u);
  EXPECT_FALSE(ClockKeyExists("Timer"));
  Type(IDC_ALARM_COUNT, "9");
  EXPECT_TRUE(PressOk());
  EXPECT_EQ(Boxes.size(), 3u);
}

// --- OK and Cancel -------------------------------------------------------------------

TEST_F(TimerSettings, OkStoresAndSavesEveryTimerValueAsTheDialogShowsThem) {
  Open();
  CheckRadioButton(dialog, IDC_TIMER_ON, IDC_TIMER_OFF, IDC_TIMER_ON);
  const char* times[4] = {"06:45", "12.00", "23 59", "00:01"};
  const char* messages[4] = {"起床", "", "昼ごはんの時間ですよ", "a"};
  for (int i = 0; i < 4; ++i) {
    CheckDlgButton(dialog, IDC_ALARM1_ON + i, i % 2 == 0 ? BST_CHECKED : BST_UNCHECKED);
    Type(IDC_ALARM1_TIME + i, times[i]);
    Type(IDC_ALARM1_MSG + i, messages[i]);
  }
  Type(IDC_ALARM_COUNT, "42");
  CheckDlgButton(dialog, IDC_AUTO_DELETE, BST_CHECKED);
  CheckDlgButton(dialog, IDC_USE_WAVE, BST_CHECKED);
  Type(IDC_WAVE_FILE, "C:\\音\\ベル.wav");
  // Alarm 2 on no day, alarm 4 on Sundays only; 1 and 3 as they were.
  for (int day = 0; day < 7; ++day) {
    CheckDlgButton(dialog, IDC_ALARM1_DAYS + 7 + day, BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_ALARM1_DAYS + 21 + day, day == 0 ? BST_CHECKED : BST_UNCHECKED);
  }
  Type(IDC_SNOOZE_MINUTES, "60");
  CheckDlgButton(dialog, IDC_CHIME, BST_CHECKED);
  Type(IDC_CHIME_FROM, "22");
  Type(IDC_CHIME_TO, "00");
  EXPECT_TRUE(PressOk());
  EXPECT_TRUE(Boxes.empty());
  const DWORD days[4] = {0x7F, 0, 0x7F, 0x01};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(StoredDword(("Days" + std::to_string(i + 1)).c_str()), days[i]) << i;
    EXPECT_EQ(app->Alarms.Alarms[i].Days, days[i]) << i;
  }
  EXPECT_EQ(StoredDword("SnoozeMinutes"), 60u);
  EXPECT_EQ(app->Alarms.SnoozeMinutes, 60u);
  EXPECT_EQ(StoredDword("OnChime") + StoredDword("ChimeFrom") * 100 + StoredDword("ChimeTo"), 2201u);
  EXPECT_EQ(app->Alarms.ChimeFrom, 22u);

  EXPECT_EQ(StoredDword("OnTimer"), 1u);
  EXPECT_EQ(StoredDword("OnAutoDelete"), 1u);
  EXPECT_EQ(StoredDword("OnUseWave"), 1u);
  EXPECT_EQ(StoredDword("AlarmCount"), 42u);
  EXPECT_EQ(StoredText("WaveFile"), "C:\\音\\ベル.wav");
  const char* stored[4] = {"06:45", "12:00", "23:59", "00:01"};
  for (int i = 0; i < 4; ++i) {
    std::string n = std::to_string(i + 1);
    EXPECT_EQ(StoredDword(("On" + n).c_str()), i % 2 == 0 ? 1u : 0u) << n;
    EXPECT_EQ(StoredText(("Alarm" + n).c_str()), stored[i]) << n;
    EXPECT_EQ(StoredText(("Msg" + n).c_str()), messages[i]) << n;
  }
  EXPECT_TRUE(app->Alarms.OnTimer);
  EXPECT_EQ(app->Alarms.Alarms[2].Hour, 23);
  EXPECT_STREQ(app->Alarms.Alarms[2].Msg, L"昼ごはんの時間ですよ");
  EXPECT_FALSE(ValueExists("Settings", "Left")) << "only the Timer group is written";
}

TEST_F(TimerSettings, ALongMessageIsCutToThirtyBytesWithoutSplittingACharacter) {
  Open();
  // 31 bytes: the sixteenth double-byte character would straddle the limit.
  Type(IDC_ALARM1_MSG, "xあいうえおかきくけこさしすせそた");
  EXPECT_TRUE(PressOk());
  EXPECT_EQ(StoredText("Msg1"), "xあいうえおかきくけこさしすせ");
}

// The field takes exactly what is stored: typed beyond 30 bytes, a character
// is refused where it was typed, and what the field shows is what OK stores.
TEST_F(TimerSettings, TheMessageFieldTakesNoMoreThanIsStored) {
  Open();
  HWND edit = GetDlgItem(dialog, IDC_ALARM1_MSG);
  for (const wchar_t* c = L"あいうえおかきくけこさしすせそた"; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 0);
  EXPECT_EQ(Shown(IDC_ALARM1_MSG), "あいうえおかきくけこさしすせそ");
  SendMessageW(edit, EM_SETSEL, 1, 1);
  SendMessageW(edit, WM_CHAR, L'x', 0);
  EXPECT_EQ(Shown(IDC_ALARM1_MSG), "あいうえおかきくけこさしすせそ") << "typed in the middle";
  DWORD caret = 0;
  SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  EXPECT_EQ(caret, 1u);
  EXPECT_TRUE(PressOk());
  EXPECT_EQ(StoredText("Msg1"), "あいうえおかきくけこさしすせそ");
}

TEST_F(TimerSettings, CancelAndTheCloseBoxStoreNothing) {
  app->Alarms.AlarmCount = 7;
  app->Alarms.Alarms[0].SetMessage(L"元のまま");
  for (UINT how : {UINT(WM_COMMAND), UINT(WM_CLOSE)}) {
    Open();
    CheckRadioButton(dialog, IDC_TIMER_ON, IDC_TIMER_OFF, IDC_TIMER_ON);
    Type(IDC_ALARM1_TIME, "09:15");
    Type(IDC_ALARM1_MSG, "変えた");
    Type(IDC_ALARM_COUNT, "30");
    CheckDlgButton(dialog, IDC_USE_WAVE, BST_CHECKED);
    CheckDlgButton(dialog, IDC_ALARM1_DAYS + 3, BST_UNCHECKED);
    Type(IDC_SNOOZE_MINUTES, "12");
    if (how == WM_COMMAND) {
      Click(IDCANCEL);
    } else {
      // The close box: the dialog manager posts Cancel to the dialog.
      SendMessageA(dialog, WM_CLOSE, 0, 0);
      PumpMessages();
    }
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_FALSE(ClockKeyExists("Timer"));
    EXPECT_FALSE(app->Alarms.OnTimer);
    EXPECT_EQ(app->Alarms.AlarmCount, 7u);
    EXPECT_EQ(app->Alarms.Alarms[0].Hour, 0);
    EXPECT_STREQ(app->Alarms.Alarms[0].Msg, L"元のまま");
    EXPECT_FALSE(app->Alarms.OnUseWave);
    EXPECT_EQ(app->Alarms.Alarms[0].Days, kEveryDay);
    EXPECT_EQ(app->Alarms.SnoozeMinutes, 5u);
  }
}

// Run modally, as the menu runs it: OK ends it with 1, Esc with 0.
TEST_F(TimerSettings, RunModallyEnterKeepsAndEscapeDiscards) {
  struct Case { WPARAM key; INT_PTR result; };
  for (const Case& c : {Case{VK_RETURN, 1}, Case{VK_ESCAPE, 0}}) {
    ResetClockRegistry();
    DialogDriver driver([&c](HWND dialog) {
      HWND focus = GetFocus();
      PostMessageA(focus ? focus : dialog, WM_KEYDOWN, c.key, 0);
    }, "ﾀｲﾏの設定");
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), "SETTIMERDLG", nullptr,
                                     TimerSettingsDialog, Alarms());
    EXPECT_TRUE(driver.Ran);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(ClockKeyExists("Timer"), c.result == 1);
  }
}

// --- the wave file -------------------------------------------------------------------

// What the wave chooser offered; it picks `pick`, or cancels when that is
// empty.
struct ChooserVisit {
  std::vector<std::string> Filters;
  bool Seen = false;
};

DialogDriver::Action ChooseWave(ChooserVisit& visit, const std::string& pick) {
  return [&visit, pick](HWND chooser) {
    visit.Seen = true;
    HWND types = GetDlgItem(chooser, cmb1);
    LRESULT count = SendMessageA(types, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      char text[MAX_PATH] = "";
      SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      visit.Filters.push_back(text);
    }
    if (pick.empty()) {
      PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
      return;
    }
    TypeFileName(chooser, pick.c_str());
    PostMessageA(chooser, WM_COMMAND, IDOK, 0);
  };
}

TEST_F(TimerSettings, TheChooserOffersWaveFilesAndPutsTheChoiceIntoThePath) {
  std::string wave = WriteTestWave("tivora-chosen.wav", 400);
  Open();
  Type(IDC_WAVE_FILE, "C:\\before.wav");
  ChooserVisit chosen;
  {
    DialogDriver driver(ChooseWave(chosen, wave), "wavの選択");
    Click(IDC_WAVE_BROWSE);
    EXPECT_EQ(driver.Title, "wavの選択");
  }
  ASSERT_TRUE(chosen.Seen);
  ASSERT_EQ(chosen.Filters.size(), 2u);
  EXPECT_EQ(chosen.Filters[0], "wav file(*.wav)");
  EXPECT_EQ(chosen.Filters[1], "すべてのﾌｧｲﾙ(*.*)");
  EXPECT_EQ(Shown(IDC_WAVE_FILE), wave);
  EXPECT_FALSE(ClockKeyExists("Timer")) << "choosing alone stores nothing";

  ChooserVisit cancelled;
  {
    DialogDriver driver(ChooseWave(cancelled, ""), "wavの選択");
    Click(IDC_WAVE_BROWSE);
  }
  EXPECT_TRUE(cancelled.Seen);
  EXPECT_EQ(Shown(IDC_WAVE_FILE), wave) << "a cancelled choice changes nothing";
  DeleteFileA(wave.c_str());
}

TEST_F(TimerSettings, TheTestButtonPlaysThePathAsTypedAndStopEndsIt) {
  if (InTracedChild()) {
    std::string typed = WriteTestWave("tivora-typed.wav", 400);
    lstrcpyW(app->Alarms.WaveFile, L"C:\\saved\\other.wav");
    Open();
    Type(IDC_WAVE_FILE, typed.c_str());
    OutputDebugStringA("test");
    Click(IDC_WAVE_TEST);
    // No wait: the stop waits for the sound's own thread to end.
    OutputDebugStringA("stop");
    Click(IDC_WAVE_STOP);
    OutputDebugStringA("end");
    Close();
    DeleteFileA(typed.c_str());
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest("WINMM.sndPlaySoundW;KERNEL32.SearchPathA");
  std::vector<TracedCall> plays = CallsOf(calls, "sndPlaySoundW");
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_NE(plays[0].Arguments.substr(0, 8), "00000000") << "a path is played";
  EXPECT_EQ(plays[0].Arguments.substr(plays[0].Arguments.size() - 8), "00000001") << "SND_ASYNC";
  EXPECT_EQ(plays[1].Arguments, "00000000,00000000") << "stop";
  EXPECT_TRUE(AnyCallMentions(calls, "SearchPathA", "tivora-typed.wav")) << "the typed path, not the saved one";
  // The play follows the click on the test button, the stop the one on stop.
  EXPECT_EQ(CallsBetween(calls, "sndPlaySoundW", "test", "stop"), 1u) << "the test button plays";
  EXPECT_EQ(CallsBetween(calls, "sndPlaySoundW", "stop", "end"), 1u) << "the stop button stops";
}

// Both choosers' filters in both languages: a name and its pattern, twice,
// each with its terminator, and one more at the end of the list.
TEST(FileFilters, EachIsANameAndAPatternTwiceEndingInTwoTerminators) {
  for (LANGID language : {kJapanese, kEnglish}) for (UINT id : {IDS_WAVE_FILTER, IDS_PICTURE_FILTER}) {
    SpeakingLanguage speaking(language);
    wchar_t list[128];
    std::fill(std::begin(list), std::end(list), L'#');
    UiFilter(id, list, 128);
    std::vector<std::wstring> parts;
    for (const wchar_t* part = list; *part; part += lstrlenW(part) + 1) parts.push_back(part);
    SCOPED_TRACE(testing::Message() << std::hex << language << " " << std::dec << id);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[1], id == IDS_WAVE_FILTER ? L"*.wav" : L"*.bmp");
    EXPECT_EQ(parts[3], L"*.*");
    EXPECT_NE(parts[0].find(parts[1]), std::wstring::npos) << "the name shows its pattern";
  }
}

}  // namespace

// --- a save that fails --------------------------------------------------------------

TEST_F(TimerSettings, ASaveThatFailsKeepsTheSettingsForTheRunAndSaysSoOnce) {
  UnwritableClockKey unwritable;
  ASSERT_TRUE(unwritable.Made);
  app->Alarms.Alarms[0].SetTime(L"06:00");
  Open();
  Type(IDC_ALARM1_TIME, "07:45");
  EXPECT_TRUE(PressOk()) << "the dialog closes";
  EXPECT_FALSE(ClockKeyExists("Timer"));
  EXPECT_EQ(app->Alarms.Alarms[0].Hour, 7) << "the alarms run on what the user set";
  MessageBoxCatcher catcher;
  ReportUnsaved(nullptr);   // as the command does after its dialog
  ReportUnsaved(nullptr);
  EXPECT_TRUE(Boxes.empty()) << "nothing inside the dialog";
  ASSERT_EQ(catcher.Shown.size(), 1u);
  EXPECT_EQ(catcher.Shown[0].Text, "設定を保存できませんでした。この変更は次の起動では元に戻ります");
}

// What the registry holds that this run cannot use stays there: a time that
// cannot be read shows its alarm off, and a path too long to read is kept
// through OK, as long as the user leaves its field alone.
TEST_F(TimerSettings, WhatCannotBeReadShowsOffAndOkKeepsItsStoredPath) {
  const std::string longPath = PathOf("音", 130);
  PutDword("Timer", "OnTimer", 1);
  PutDword("Timer", "On2", 1);
  PutDword("Timer", "Alarm2", 705);   // a number, not a time
  PutDword("Timer", "On3", 1);        // and no time at all
  PutDword("Timer", "On4", 1);
  PutText("Timer", "Alarm4", "07:05");
  PutText("Timer", "WaveFile", longPath.c_str());
  LoadSettings();
  Open();
  EXPECT_FALSE(Checked(IDC_ALARM1_ON + 1));
  EXPECT_FALSE(Checked(IDC_ALARM1_ON + 2));
  EXPECT_TRUE(Checked(IDC_ALARM1_ON + 3));
  EXPECT_EQ(StoredDword("On2"), 1u) << "untouched until OK";
  EXPECT_EQ(Shown(IDC_WAVE_FILE), "");
  EXPECT_TRUE(PressOk());
  EXPECT_EQ(StoredText("WaveFile"), longPath);
  EXPECT_EQ(StoredDword("On2"), 0u);
}
