#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "app/ClockSettings.h"
#include "tests/win/TestSupport.h"

namespace {

class SettingsStore : public testing::Test {
protected:
  void SetUp() override { ResetClockRegistry(); }
  void TearDown() override { ResetClockRegistry(); }
  ScopedApp app;
};

TEST_F(SettingsStore, EmptyRegistryGivesTheDefaultsAndCreatesNothing) {
  LoadSettings();
  EXPECT_EQ(app->Left, 100);
  EXPECT_EQ(app->Top, 100);
  EXPECT_EQ(app->Width, 116);
  EXPECT_EQ(app->Height, 45);
  EXPECT_EQ(app->Flags.Bits, uint32_t(OnBorder));
  EXPECT_STREQ(app->Font.LogFont.lfFaceName, L"Arial");
  EXPECT_EQ(app->Font.LogFont.lfHeight, 37);
  EXPECT_EQ(app->Font.LogFont.lfWeight, FW_NORMAL);
  EXPECT_EQ(app->Font.FontColor(), 0x000000FFu);
  EXPECT_EQ(app->Font.BkColor(), 0x00C0C0C0u);
  EXPECT_FALSE(app->OnToolTip);
  EXPECT_STREQ(app->Bitmap, L"");
  EXPECT_FALSE(app->Alarms.OnTimer);
  EXPECT_TRUE(app->Alarms.OnAutoDelete);
  EXPECT_EQ(app->Alarms.AlarmCount, 15u);
  for (AlarmEntry& a : app->Alarms.Alarms) {
    EXPECT_EQ(a.On, 0u);
    EXPECT_STREQ(a.FormatTime(), L"00:00");
    EXPECT_STREQ(a.Msg, L"");
  }
  EXPECT_FALSE(app->Alarms.OnUseWave);
  EXPECT_FALSE(ClockKeyExists(nullptr));
}

TEST_F(SettingsStore, EverySavedValueComesBackAtTheNextStart) {
  LoadSettings();
  const char* switches[] = {"OnCaption", "OnAnalog", "OnSecond", "OnTop", "OnBorder",
                            "OnTransparent", "OnBitmap"};
  const bool states[] = {true, true, true, true, false, true, true};
  for (int i = 0; i < 7; ++i) EXPECT_TRUE(SaveDisplaySwitch(switches[i], states[i]));
  app->Font.SetFaceName(L"ＭＳ ゴシック");
  app->Font.LogFont.lfHeight = -48;
  app->Font.SetFontColor(0x00123456);
  app->Font.FontBold = true;
  app->Font.FontItalic = true;
  app->Font.SetBkColor(0x00654321);
  SaveFontSettings();
  app->OnToolTip = true;
  EXPECT_TRUE(SaveToolTipSwitch());
  lstrcpyW(app->Bitmap, L"C:\\絵\\背景.bmp");
  SaveBitmapPath();
  AlarmSettings& al = app->Alarms;
  al.OnTimer = true;
  al.OnAutoDelete = false;
  al.AlarmCount = 42;
  al.OnUseWave = true;
  lstrcpyW(al.WaveFile, L"C:\\sounds\\ring.wav");
  const wchar_t* times[] = {L"07:30", L"12:05", L"23:59", L"00:01"};
  const wchar_t* msgs[] = {L"起きる", L"", L"寝る時間です", L"x"};
  for (int n = 0; n < 4; ++n) {
    al.Alarms[n].SetTime(times[n]);
    al.Alarms[n].SetMessage(msgs[n]);
    al.Alarms[n].On = n % 2;
  }
  SaveTimerSettings();

  ScopedApp next;
  LoadSettings();
  EXPECT_EQ(next->Flags.Bits, uint32_t(OnCaption | OnAnalog | OnSecond | OnTop | OnTransparent |
                                       OnBitmap));
  EXPECT_STREQ(next->Font.LogFont.lfFaceName, L"ＭＳ ゴシック");
  EXPECT_EQ(next->Font.LogFont.lfHeight, -48);
  EXPECT_EQ(next->Font.FontColor(), 0x00123456u);
  EXPECT_TRUE(next->Font.FontBold);
  EXPECT_EQ(next->Font.LogFont.lfWeight, FW_BOLD);
  EXPECT_EQ(next->Font.LogFont.lfItalic, 1);
  EXPECT_EQ(next->Font.BkColor(), 0x00654321u);
  EXPECT_TRUE(next->OnToolTip);
  EXPECT_STREQ(next->Bitmap, L"C:\\絵\\背景.bmp");
  AlarmSettings& back = next->Alarms;
  EXPECT_TRUE(back.OnTimer);
  EXPECT_FALSE(back.OnAutoDelete);
  EXPECT_EQ(back.AlarmCount, 42u);
  EXPECT_TRUE(back.OnUseWave);
  EXPECT_STREQ(back.WaveFile, L"C:\\sounds\\ring.wav");
  for (int n = 0; n < 4; ++n) {
    EXPECT_STREQ(back.Alarms[n].FormatTime(), times[n]);
    EXPECT_STREQ(back.Alarms[n].Msg, msgs[n]);
    EXPECT_EQ(back.Alarms[n].On, uint32_t(n % 2));
  }
}

// The hive's UTF-16 of a value, byte for byte as stored.
std::string StoredUtf16(const char* subkey, const wchar_t* name) {
  HKEY key = OpenClockSubkey(subkey);
  BYTE data[600];
  DWORD type = 0, size = sizeof data;
  LONG rc = RegQueryValueExW(key, name, nullptr, &type, data, &size);
  RegCloseKey(key);
  return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(reinterpret_cast<char*>(data), size)
                                               : std::string();
}

// A Japanese message and a path of Japanese folders are stored as the ANSI
// form of the program stored them on this code page 932 system: the same
// UTF-16 in the hive, the same bytes to an ANSI reader.
TEST_F(SettingsStore, JapaneseTextsAreStoredAsTheAnsiFormStoredThem) {
  const char* message = "寝る時間です";        // code page 932 bytes
  const char* path = "C:\\絵\\背景.bmp";
  PutText("Timer", "AnsiMsg", message);
  PutText("Settings", "AnsiBitmap", path);
  lstrcpyW(app->Bitmap, L"C:\\絵\\背景.bmp");
  SaveBitmapPath();
  app->Alarms.Alarms[2].SetMessage(L"寝る時間です");
  SaveTimerSettings();
  EXPECT_EQ(StoredUtf16("Timer", L"Msg3"), StoredUtf16("Timer", L"AnsiMsg"));
  EXPECT_EQ(StoredUtf16("Settings", L"Bitmap"), StoredUtf16("Settings", L"AnsiBitmap"));
  char stored[64];
  ASSERT_TRUE(GetText("Timer", "Msg3", stored, sizeof stored));
  EXPECT_STREQ(stored, message);
  ASSERT_TRUE(GetText("Settings", "Bitmap", stored, sizeof stored));
  EXPECT_STREQ(stored, path);
}

TEST_F(SettingsStore, PlacementIsWrittenOnlyWhenTheWindowMovedOrResized) {
  HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 100, 116, 45, nullptr, nullptr,
                           nullptr, nullptr);
  ASSERT_NE(w, nullptr);
  app->Left = 100, app->Top = 100, app->Width = 116, app->Height = 45;
  SaveWindowPlacement(w);
  EXPECT_FALSE(ValueExists("Settings", "Left"));
  MoveWindow(w, 300, 200, 120, 50, FALSE);
  SaveWindowPlacement(w);
  EXPECT_EQ(StoredNumber("Settings", "Left"), 300);
  EXPECT_EQ(StoredNumber("Settings", "Top"), 200);
  EXPECT_EQ(StoredNumber("Settings", "Width"), 120);
  EXPECT_EQ(StoredNumber("Settings", "Height"), 50);
  // The reference is what was loaded; saving does not move it.
  EXPECT_EQ(app->Left, 100);
  DestroyWindow(w);
}

TEST_F(SettingsStore, NegativePlacementIsStoredAsSigned) {
  PutDword("Settings", "Left", DWORD(-50));
  PutDword("Settings", "Top", DWORD(-1));
  LoadSettings();
  EXPECT_EQ(app->Left, -50);
  EXPECT_EQ(app->Top, -1);
}

TEST_F(SettingsStore, SwitchStoredAsTwoReadsAsOnAndIsRewrittenAsOne) {
  PutDword("Settings", "OnCaption", 2);
  PutDword("Settings", "OnBorder", 0xFFFFFFFF);
  PutDword("Settings", "FontBold", 2);
  PutDword("Timer", "OnTimer", 7);
  LoadSettings();
  EXPECT_TRUE(app->Flags.Has(OnCaption | OnBorder));
  EXPECT_TRUE(app->Font.FontBold);
  EXPECT_TRUE(app->Alarms.OnTimer);
  SaveDisplaySwitch("OnCaption", app->Flags.Has(OnCaption));
  SaveFontSettings();
  SaveTimerSettings();
  EXPECT_EQ(StoredNumber("Settings", "OnCaption"), 1);
  EXPECT_EQ(StoredNumber("Settings", "FontBold"), 1);
  EXPECT_EQ(StoredNumber("Timer", "OnTimer"), 1);
}

TEST_F(SettingsStore, WrongTypedShortAndOverlongValuesGiveDefaults) {
  PutText("Settings", "Left", "123");                       // text where a number belongs
  const BYTE two[2] = {5, 0};
  PutRaw("Settings", "Width", REG_BINARY, two, 2);           // fewer than four bytes
  PutRaw("Settings", "Height", REG_DWORD, two, 2);           // a short DWORD
  PutDword("Settings", "FontName", 0x41414141);              // a number where a text belongs
  std::string tooLong(300, 'p');
  PutText("Settings", "Bitmap", tooLong.c_str());            // more than 259 bytes
  const char raw[5] = {'a', 'b', 'c', 'd', 'e'};
  PutRaw("Timer", "WaveFile", REG_BINARY, raw, 5);           // binary, unterminated
  std::string wide;
  for (int i = 0; i < 130; ++i) wide += "絵";
  PutText("Timer", "Msg2", wide.c_str());                     // 130 characters, 260 bytes
  LoadSettings();
  EXPECT_EQ(app->Left, 100);
  EXPECT_EQ(app->Width, 116);
  EXPECT_EQ(app->Height, 45);
  EXPECT_STREQ(app->Font.LogFont.lfFaceName, L"Arial");
  EXPECT_STREQ(app->Bitmap, L"");
  EXPECT_STREQ(app->Alarms.WaveFile, L"");
  EXPECT_STREQ(app->Alarms.Alarms[1].Msg, L"") << "too long in bytes, though not in characters";

  PutText("Timer", "Days1", "1");                            // the weekdays as a text
  PutRaw("Timer", "Days2", REG_DWORD, two, 2);               // a short DWORD
  const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
  PutRaw("Timer", "Days3", REG_QWORD, eight, 8);             // a QWORD
  PutDword("Timer", "Days4", 0xFFFFFF81);                    // Sunday, and bits of no day
  PutRaw("Timer", "SnoozeMinutes", REG_BINARY, two, 2);
  LoadSettings();
  for (int n = 0; n < 3; ++n) EXPECT_EQ(app->Alarms.Alarms[n].Days, 0x7Fu) << n;
  EXPECT_EQ(app->Alarms.Alarms[3].Days, 0x01u);
  EXPECT_EQ(app->Alarms.SnoozeMinutes, 5u);
  for (DWORD minutes : {DWORD(0), DWORD(61), DWORD(0xFFFFFFFF), DWORD(60)}) {
    PutDword("Timer", "SnoozeMinutes", minutes);
    LoadSettings();
    EXPECT_EQ(app->Alarms.SnoozeMinutes, minutes == 60 ? 60u : 5u) << minutes;
  }
  // The font dialog gives 8 to 72 points, at 96 DPI 11 to 96 pixels high.
  for (LONG size : {5000L, 0L, -97L, -9L, -96L, -11L}) {
    PutDword("Settings", "FontSize", DWORD(size));
    LoadSettings();
    EXPECT_EQ(app->Font.LogFont.lfHeight, size == -96 || size == -11 ? size : 37) << size;
  }
}

TEST_F(SettingsStore, UnterminatedAndLongTextsStayTerminatedAndAreCut) {
  char unterminated[259];
  FillMemory(unterminated, sizeof unterminated, 'w');
  PutRaw("Timer", "WaveFile", REG_SZ, unterminated, sizeof unterminated);
  PutText("Settings", "FontName", std::string(40, 'f').c_str());
  PutText("Timer", "Msg3", std::string(40, 'm').c_str());
  LoadSettings();
  EXPECT_EQ(lstrlenW(app->Alarms.WaveFile), 259);
  EXPECT_EQ(std::wstring(app->Font.LogFont.lfFaceName), std::wstring(31, L'f'));
  EXPECT_EQ(std::wstring(app->Alarms.Alarms[2].Msg), std::wstring(30, L'm'));
}

TEST_F(SettingsStore, InvalidStoredAlarmTimeLeavesTheAlarmOffAndSavesAsMidnight) {
  PutDword("Timer", "On2", 1);
  PutText("Timer", "Alarm2", "25:00");
  PutDword("Timer", "On3", 1);
  PutText("Timer", "Alarm3", "12:60");
  PutDword("Timer", "AlarmCount", 1000);
  LoadSettings();
  EXPECT_EQ(app->Alarms.Alarms[1].On, 0u);
  EXPECT_EQ(app->Alarms.Alarms[2].On, 0u);
  EXPECT_EQ(app->Alarms.AlarmCount, 1000u);
  SaveTimerSettings();
  char text[16];
  EXPECT_TRUE(GetText("Timer", "Alarm2", text, sizeof text));
  EXPECT_STREQ(text, "00:00");
  EXPECT_EQ(StoredNumber("Timer", "On2"), 0);
}

TEST_F(SettingsStore, OneSubkeyAloneLeavesTheOtherAtItsDefaults) {
  PutDword("Timer", "AlarmCount", 3);
  LoadSettings();
  EXPECT_EQ(app->Alarms.AlarmCount, 3u);
  EXPECT_EQ(app->Width, 116);
  EXPECT_EQ(app->Flags.Bits, uint32_t(OnBorder));
}

TEST_F(SettingsStore, EachSaveWritesOnlyItsGroup) {
  LoadSettings();
  SaveBkColor();
  EXPECT_TRUE(ValueExists("Settings", "BkColor"));
  EXPECT_FALSE(ValueExists("Settings", "FontName"));
  EXPECT_FALSE(ValueExists("Timer", "OnTimer"));
  MessageBoxCatcher told;
  EXPECT_FALSE(SaveDisplaySwitch("NotASwitch", true));
  EXPECT_FALSE(ValueExists("Settings", "NotASwitch"));
  ReportUnsaved(nullptr);
  EXPECT_EQ(told.Shown.size(), 1u) << "a switch that has no value is told, not swallowed";
}

}  // namespace
