#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>
#include "app/FacePainting.h"
#include "app/MainWindow.h"
#include "face/DigitalFace.h"
#include "res/resource.h"
#include "tests/fuzz/BitmapSamples.h"
#include "base/UiLanguage.h"
#include "tests/win/ClockWindowFixture.h"
#include "tests/win/DialogTemplate.h"
#include "tests/win/FaceTestSupport.h"
#include "tests/win/LayeredRecorder.h"
#include "tests/win/WideText.h"
#include "timer/Dialogs.h"

namespace {

const char* const kFontValues[] = {"FontName", "FontSize", "FontColor",
                                   "FontBold", "FontItalic", "BkColor"};

std::vector<std::string> ChildTexts(HWND dialog) {
  std::vector<std::string> texts;
  EnumChildWindows(dialog, [](HWND child, LPARAM out) [[gnu::stdcall]] -> BOOL {
    char text[256] = "";
    GetWindowTextA(child, text, sizeof text);
    reinterpret_cast<std::vector<std::string>*>(out)->push_back(text);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&texts));
  return texts;
}

bool Contains(const std::vector<std::string>& texts, const char* text) {
  for (const std::string& t : texts)
    if (t == text) return true;
  return false;
}

// The procedure of a dialog made only to be looked at.
INT_PTR CALLBACK Inert(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

// --- font ----------------------------------------------------------------------------

TEST_F(ClockWindowTest, FontConfirmedIsSavedAtOnceAndTheWindowFitsTheText) {
  OpenClock(OnBorder);
  ASSERT_NE(CommandAnsweredBy(IDM_FONT, Pressing(IDOK)), "");
  for (const char* name : kFontValues) EXPECT_TRUE(ValueExists("Settings", name)) << name;
  char face[64] = "";
  ASSERT_TRUE(GetText("Settings", "FontName", face, sizeof face));
  EXPECT_STREQ(face, Narrow(App->Font.LogFont.lfFaceName).c_str());
  EXPECT_EQ(Stored("FontBold"), App->Font.LogFont.lfWeight != FW_NORMAL ? 1 : 0);
  EXPECT_EQ(Stored("BkColor"), static_cast<long long>(App->Font.BkColor()));

  // The window holds the measured text's width and is as high as the text.
  RECT client;
  GetClientRect(Clock, &client);
  ASSERT_GT(TextRect.right - TextRect.left, 0) << "the text was measured";
  EXPECT_GT(client.right, TextRect.right - TextRect.left);
  EXPECT_EQ(WindowRectOf(Clock).bottom - WindowRectOf(Clock).top, TextRect.bottom - TextRect.top);
  EXPECT_FALSE(Tick.Held());

  // Measured wide enough for every minute of the day, even at 9:59, the
  // minute before the hour takes two digits.
  Tick.TickTime.wHour = 9;
  Tick.TickTime.wMinute = 59;
  RECT measured = {};
  ASSERT_NE(PaintDigital(Clock, true, &measured), 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ kept = SelectObject(dc, App->Digital->TextFont);
  const SIZE widest = WidestMinuteExtent(dc);
  SelectObject(dc, kept);
  DeleteDC(dc);
  EXPECT_GE(measured.right - measured.left, widest.cx);
}

TEST_F(ClockWindowTest, FontChosenForATransparentClockIsShownOnTopThenGoesBackToTheBottom) {
  OpenClock(OnTransparent);
  HWND other = OtherWindow(true);
  static bool topmostDuringDialog;
  topmostDuringDialog = false;
  HWND clock = Clock;
  static HWND seen;
  seen = clock;
  std::string title = CommandAnsweredBy(IDM_FONT, [](HWND dialog) {
    topmostDuringDialog = (GetWindowLongA(seen, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    PressButton(dialog, IDOK);
  });
  ASSERT_NE(title, "");
  EXPECT_TRUE(topmostDuringDialog);
  EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0u);
  EXPECT_TRUE(IsAbove(other, Clock));
  EXPECT_TRUE(AtTheBottom());
}

TEST_F(ClockWindowTest, ANewTextColourIsDrawnIntoTheFloatingDigitsAtOnce) {
  OpenClock(OnTransparent);
  App->Font.FontDialog.Flags |= CF_EFFECTS;
  LayeredRecorder recorder;
  std::string title = CommandAnsweredBy(IDM_FONT, [](HWND dialog) {
    // The colour list of the font dialog; pick the entry whose colour is magenta.
    HWND colours = GetDlgItem(dialog, cmb4);
    int n = static_cast<int>(SendMessageA(colours, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      if ((SendMessageA(colours, CB_GETITEMDATA, i, 0) & 0xFFFFFF) == 0xFF00FF) {
        SendMessageA(colours, CB_SETCURSEL, i, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(colours));
      }
    }
    PressButton(dialog, IDOK);
  });
  ASSERT_NE(title, "");
  ASSERT_EQ(App->Font.FontColor() & 0xFFFFFF, 0xFF00FFu) << "the dialog took magenta";
  EXPECT_EQ(Stored("FontColor"), 0xFF00FF);
  ASSERT_FALSE(recorder.Pictures.empty());
  int magenta = 0;
  for (uint32_t pixel : recorder.Pictures.back().Pixels) magenta += pixel == 0xFFFF00FFu;
  EXPECT_GT(magenta, 60);
}

// --- background colour and picture ---------------------------------------------------

TEST_F(ClockWindowTest, BackgroundColourConfirmedWritesBkColorOnly) {
  OpenClock(OnBorder);
  App->Font.SetBkColor(0x00336699);
  ASSERT_NE(CommandAnsweredBy(IDM_BACKGROUND, Pressing(IDOK)), "");
  EXPECT_EQ(Stored("BkColor"), 0x00336699);
  EXPECT_EQ(Stored("FontColor"), -1);
}

TEST_F(ClockWindowTest, PictureDialogOffersBitmapsThenAllFilesAndSavesTheChosenPath) {
  OpenClock(OnBitmap);
  static std::string path;
  path = WriteTempFile("tivora-menu-test.bmp", samples::Quarters(2, 2).Build());
  static std::vector<std::string> filters;
  static bool readOnlyShown;
  filters.clear();
  std::string title = CommandAnsweredBy(IDM_BACKGROUND, [](HWND dialog) {
    HWND types = GetDlgItem(dialog, cmb1);
    int n = static_cast<int>(SendMessageA(types, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      char text[128] = "";
      SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      filters.push_back(text);
    }
    filters.push_back(std::to_string(SendMessageA(types, CB_GETCURSEL, 0, 0)));
    HWND readOnly = GetDlgItem(dialog, chx1);
    readOnlyShown = readOnly && IsWindowVisible(readOnly);
    TypeFileName(dialog, path.c_str());
    PressButton(dialog, IDOK);
  });
  ASSERT_EQ(title, "ファイルの選択");
  ASSERT_EQ(filters.size(), 3u);
  EXPECT_EQ(filters[0], "ﾋﾞｯﾄﾏｯﾌﾟﾌｧｲﾙ(*.bmp)");
  EXPECT_EQ(filters[1], "すべてのファイル(*.*)");
  EXPECT_EQ(filters[2], "0");
  EXPECT_FALSE(readOnlyShown);

  char stored[MAX_PATH] = "";
  ASSERT_TRUE(GetText("Settings", "Bitmap", stored, sizeof stored));
  EXPECT_STREQ(stored, path.c_str());
  EXPECT_STREQ(App->Bitmap, Wide(path).c_str());
  DeleteFileA(path.c_str());
}

// Cancelled, the font, colour and picture dialogs change and write nothing.
TEST_F(ClockWindowTest, EveryDialogCancelledChangesAndWritesNothing) {
  struct Case { uint32_t Flags; WORD Command; };
  for (const Case& c : {Case{OnBorder, IDM_FONT}, Case{OnAnalog, IDM_BACKGROUND},
                        Case{OnBitmap, IDM_BACKGROUND}}) {
    SCOPED_TRACE(testing::Message() << "command " << c.Command << " on flags " << c.Flags);
    OpenClock(c.Flags);
    lstrcpyW(App->Bitmap, L"C:\\kept.bmp");
    const LOGFONTW font = App->Font.LogFont;
    const COLORREF colour = App->Font.FontColor(), ground = App->Font.BkColor();
    const RECT was = WindowRectOf(Clock);
    ASSERT_NE(CommandAnsweredBy(c.Command, Pressing(IDCANCEL)), "");
    EXPECT_TRUE(NothingStoredIn("Settings"));
    EXPECT_EQ(memcmp(&font, &App->Font.LogFont, sizeof font), 0);
    EXPECT_EQ(App->Font.FontColor(), colour);
    EXPECT_EQ(App->Font.BkColor(), ground);
    EXPECT_STREQ(App->Bitmap, L"C:\\kept.bmp");
    const RECT now = WindowRectOf(Clock);
    EXPECT_TRUE(EqualRect(&was, &now));
    EXPECT_FALSE(Tick.Held());
    CloseClock();
  }
}

// A stored picture that has gone since is not read while the picture is
// switched off: no error box holds up the start. Switched on, it is read,
// and the failure is told then.
TEST_F(ClockWindowTest, AMissingPictureIsReadOnlyOnceThePictureIsSwitchedOn) {
  ResetClockRegistry();
  StoreOptions(0);
  PutText("Settings", "Bitmap", "C:\\gone\\picture.bmp");
  MessageBoxCatcher boxes;
  OpenStoredClock();
  EXPECT_TRUE(boxes.Shown.empty()) << boxes.Shown[0].Text;
  Command(IDM_USEBITMAP);
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Title, "エラー");
  EXPECT_NE(boxes.Shown[0].Text.find("C:\\gone\\picture.bmp"), std::string::npos);
}

// --- About box and the templates' texts --------------------------------------------------

TEST_F(ClockWindowTest, AboutBoxShowsIconNameAndVersion) {
  OpenClock(OnBorder);
  static std::vector<std::string> texts;
  static bool hasIcon;
  std::string title = CommandAnsweredBy(IDM_ABOUT, [](HWND dialog) {
    texts = ChildTexts(dialog);
    hasIcon = false;
    EnumChildWindows(dialog, [](HWND child, LPARAM) [[gnu::stdcall]] -> BOOL {
      if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
          SendMessageA(child, STM_GETICON, 0, 0) != 0)
        hasIcon = true;
      return TRUE;
    }, 0);
    PressButton(dialog, IDCANCEL);
  });
  ASSERT_EQ(title, "ﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_TRUE(Contains(texts, "Tivora Version 1.10"));
  EXPECT_TRUE(Contains(texts, "OK"));
  EXPECT_TRUE(hasIcon);
  EXPECT_TRUE(NothingStoredIn("Settings"));
  EXPECT_FALSE(Tick.Held());
}

TEST(AboutBox, OkEnterEscAndTheCloseBoxAllEndItWithOne) {
  struct Way { const char* Name; void (*Do)(HWND); } ways[] = {
      {"OK", [](HWND d) { PressButton(d, IDOK); }},
      {"Esc", [](HWND d) { PressButton(d, IDCANCEL); }},
      {"Enter", [](HWND d) { PostMessageA(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_RETURN, 0); }},
      {"close box", [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); }},
  };
  for (Way way : ways) {
    DialogDriver driver(way.Do);
    INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), "ABOUTDLG", nullptr, AboutDialog, 0);
    EXPECT_TRUE(driver.Ran) << way.Name;
    EXPECT_EQ(result, 1) << way.Name;
  }
}

TEST(DialogTemplates, TextsReachTheProgramInCodePage932) {
  struct Check { const char* Template; const char* Title; const char* Text; } checks[] = {
      {"SETTIMERDLG", "ﾀｲﾏの設定", "ｱﾗｰﾑ時刻"},
      {"SETTIMERDLG", "ﾀｲﾏの設定", "ｱﾗｰﾑ終了時にﾒｯｾｰｼﾞﾎﾞｯｸｽを消す"},
      {"ALARMDLG", "Tivora", "ｷｬﾝｾﾙ"},
      {"ABOUTDLG", "ﾊﾞｰｼﾞｮﾝ情報", "Tivora Version 1.10"},
  };
  for (Check c : checks) {
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), c.Template, nullptr, Inert, 0);
    ASSERT_NE(dialog, nullptr) << c.Template;
    char title[64] = "";
    GetWindowTextA(dialog, title, sizeof title);
    EXPECT_STREQ(title, c.Title);
    EXPECT_TRUE(Contains(ChildTexts(dialog), c.Text)) << c.Template << ": " << c.Text;
    DestroyWindow(dialog);
  }
  // The author's line carries kanji: they too arrive as double bytes of 932.
  HWND about = CreateDialogParamA(GetModuleHandleA(nullptr), "ABOUTDLG", nullptr, Inert, 0);
  bool kanji = false;
  for (const std::string& t : ChildTexts(about))
    for (unsigned char ch : t)
      if (ch >= 0x81 && ch <= 0x9F) kanji = true;
  EXPECT_TRUE(kanji);
  DestroyWindow(about);
}

// Switched on in its dialog, the timer counts from OK's minute: the minute
// before, which it was off for, is not caught up afterwards.
TEST_F(ClockWindowTest, TheTimerSwitchedOnInItsDialogRingsNothingForTheMinutesBefore) {
  OpenClock(OnBorder);
  const ClockTime minuteAgo = MinutesFromNow(-1);
  AlarmEntry& alarm = App->Alarms.Alarms[0];
  alarm.Hour = minuteAgo.Hour;
  alarm.Minute = minuteAgo.Minute;
  alarm.On = 1;
  App->Alarms.OnTimer = false;
  Tick.Watch = AlarmWatch();
  Tick.Watch.Begin(MinutesFromNow(-2));   // the dialog opened two minutes ago
  CommandAnsweredBy(IDM_TIMER, [](HWND dialog) {
    CheckRadioButton(dialog, IDC_TIMER_ON, IDC_TIMER_OFF, IDC_TIMER_ON);
    PressButton(dialog, IDOK);
  });
  ASSERT_TRUE(App->Alarms.OnTimer);
  Tick.Watch.Look(App->Alarms, MinutesFromNow(0), Tick.ElapsedNow());
  EXPECT_FALSE(Tick.Watch.Waiting()) << "rang for a minute the timer was off in";
}

// --- the face behind the dialogs -----------------------------------------------------------

TEST_F(ClockWindowTest, TheFaceKeepsTimeBehindTheTimerDialogAndTheAboutBox) {
  for (WORD command : {WORD(IDM_TIMER), WORD(IDM_ABOUT)}) {
    SCOPED_TRACE(command);
    OpenClock(OnBorder | OnSecond);
    static int paints;
    paints = 0;
    ScopedWindowProc counter(Clock, [](HWND w, UINT m, WPARAM wp, LPARAM lp) [[gnu::stdcall]] -> LRESULT {
      if (m == WM_PAINT) ++paints;
      return CallWindowProcA(MainWindowProc, w, m, wp, lp);
    });
    SYSTEMTIME opened = {}, closed = {};
    int paintsAtOpen = 0;
    // Held open for 2.5 s, as a user reading it would.
    std::string title = CommandAnsweredBy(command, [&](HWND dialog) {
      opened = Tick.TickTime;
      paintsAtOpen = paints;
      static HWND held;
      held = dialog;
      SetTimer(nullptr, 0, 2500, [](HWND, UINT, UINT_PTR id, DWORD) [[gnu::stdcall]] {
        KillTimer(nullptr, id);
        PressButton(held, IDCANCEL);
      });
    });
    closed = Tick.TickTime;
    EXPECT_FALSE(title.empty()) << "the dialog showed";
    const int seconds = (closed.wMinute * 60 + closed.wSecond) - (opened.wMinute * 60 + opened.wSecond);
    EXPECT_GE((seconds + 3600) % 3600, 2) << "the time went on behind the dialog";
    EXPECT_GE(paints - paintsAtOpen, 2) << "and the seconds were drawn";
    CloseClock();
  }
}

// --- the English texts beside the Japanese ones -------------------------------------

namespace {

bool HasJapanese(const std::wstring& text) {
  return std::any_of(text.begin(), text.end(),
                     [](wchar_t c) { return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF); });
}

// The printf conversions of a text ("%u", "%.300s"), in their order.
std::wstring Conversions(const std::wstring& text) {
  std::wstring found;
  for (size_t at = text.find(L'%'); at != std::wstring::npos; at = text.find(L'%', at + 1))
    found += text.substr(at, text.find_first_of(L"usdx", at) - at + 1);
  return found;
}

std::wstring TextIn(LANGID language, UINT id) {
  SpeakingLanguage speaking(language);
  return UiText(id);
}

// The room a control leaves its text, in pixels: a check box's or a radio
// button's box and its gap, a button's or a group box's edges.
int RoomForText(HWND control, const wchar_t* className) {
  RECT client;
  GetClientRect(control, &client);
  const LONG style = GetWindowLongW(control, GWL_STYLE), kind = style & BS_TYPEMASK;
  if (_wcsicmp(className, L"Button") != 0) return client.right;
  const bool box = (kind == BS_AUTOCHECKBOX || kind == BS_AUTORADIOBUTTON) && !(style & BS_PUSHLIKE);
  return client.right - (box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 4);
}

}  // namespace

// Every text of the English set, menu items, messages and every dialog's
// controls: there, free of Japanese, with the same conversions, ids, classes,
// styles and tab order as its Japanese twin, and whole in its control.
TEST(Languages, EveryEnglishTextMatchesItsJapaneseTwinAndFits) {
  int texts = 0;
  std::wstring menuKeys[2];
  for (UINT id = IDM_EXIT - 1; id < IDS_START_FAILED + 100; ++id) {
    const std::wstring ja = TextIn(kJapanese, id), en = TextIn(kEnglish, id);
    if (ja.empty() || ja == en) continue;   // no Japanese text (its English stands in)
    ++texts;
    SCOPED_TRACE(testing::Message() << "text " << id << ": " << Narrow(en.c_str()));
    EXPECT_EQ(en.empty(), id == IDS_DATE_FORM) << "only the date's form is empty: the user's long date";
    EXPECT_FALSE(HasJapanese(en));
    EXPECT_EQ(Conversions(en), Conversions(ja));
    for (const std::wstring* item : {&ja, &en}) {   // a menu item's key is its own in the menu
      const size_t key = item->find(L'&');
      if (id < IDM_EXIT || id > IDM_HOUR12) continue;
      ASSERT_NE(key, std::wstring::npos);
      std::wstring& keys = menuKeys[item == &en];
      EXPECT_EQ(keys.find(towupper((*item)[key + 1])), std::wstring::npos);
      keys += towupper((*item)[key + 1]);
    }
  }
  EXPECT_GT(texts, 40);

  for (const char* name : {"SETTIMERDLG", "ALARMDLG", "ABOUTDLG"}) {
    SCOPED_TRACE(name);
    const DialogTemplate ja = ReadDialogTemplate(name, kJapanese), en = ReadDialogTemplate(name, kEnglish);
    ASSERT_TRUE(ja.Found && en.Found);
    EXPECT_FALSE(HasJapanese(en.Title) || HasJapanese(en.Face));
    ASSERT_EQ(en.Items.size(), ja.Items.size());
    for (size_t i = 0; i < en.Items.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "control " << i << " " << Narrow(en.Items[i].Text.c_str()));
      EXPECT_EQ(en.Items[i].Id, ja.Items[i].Id);
      EXPECT_EQ(en.Items[i].Class + std::to_wstring(en.Items[i].Style), ja.Items[i].Class + std::to_wstring(ja.Items[i].Style));
      EXPECT_EQ(en.Items[i].Text.empty(), ja.Items[i].Text.empty());
      EXPECT_FALSE(HasJapanese(en.Items[i].Text));
    }
    SpeakingLanguage speaking(kEnglish);
    HINSTANCE self = GetModuleHandleW(nullptr);
    HWND dialog = CreateDialogIndirectParamW(self, UiDialog(self, Wide(name).c_str()), nullptr, Inert, 0);
    ASSERT_NE(dialog, nullptr);
    HDC dc = GetDC(dialog);
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
      wchar_t text[128] = L"", className[16] = L"";
      GetWindowTextW(control, text, 128);
      GetClassNameW(control, className, 16);
      const bool icon = (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                        _wcsicmp(className, L"Static") == 0;
      if (!text[0] || _wcsicmp(className, L"Edit") == 0 || icon) continue;
      HGDIOBJ was = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
      RECT need = {}, client;
      DrawTextW(dc, text, -1, &need, DT_CALCRECT | DT_SINGLELINE);
      SelectObject(dc, was);
      GetClientRect(control, &client);
      EXPECT_LE(need.right, RoomForText(control, className)) << Narrow(text) << " is cut";
      EXPECT_LE(need.bottom, client.bottom) << Narrow(text) << " is cut";
    }
    ReleaseDC(dialog, dc);
    DestroyWindow(dialog);
  }
}
