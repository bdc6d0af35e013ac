#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "tests/win/DialogTemplate.h"
#include "tests/win/FaceTestSupport.h"
#include "tests/win/ImportHook.h"
#include "tests/win/RelayTrace.h"
#include "tests/win/TestSupport.h"
#include "tests/win/TestWave.h"
#include "tests/win/WideText.h"
#include "timer/AlarmBinding.h"
#include "timer/Dialogs.h"
#include "res/resource.h"
#include "timer/TickState.h"

namespace {

const char kSoundCalls[] =
    "KERNEL32.Beep;USER32.MessageBeep;WINMM.sndPlaySoundW;KERNEL32.SearchPathA;"
    "USER32.SetTimer;USER32.KillTimer";

class AlarmNotice : public testing::Test {
protected:
  void SetUp() override {
    ::Tick.TickTime = SystemTimeOf(0, 0, 0, 7, 30, 0);
    AlarmSettings& s = app->Alarms;
    s.OnTimer = true;
    s.AlarmCount = 3;
    s.OnAutoDelete = false;
    s.Alarms[0].SetTime(L"07:30");
    s.Alarms[0].On = 1;
    s.Alarms[0].SetMessage(L"起きる");
  }
  void TearDown() override { Close(); }

  // Creates the notification of alarm n from the real template with the
  // program's procedure, as the tick does, but without a modal loop so the
  // test can hand it its timer messages one by one.
  void Open(LPARAM n) {
    Close();
    notice = CreateDialogParamA(GetModuleHandleA(nullptr), "ALARMDLG", nullptr, AlarmNotification,
                                Call(int(n)));
    ASSERT_NE(notice, nullptr);
  }
  // The notification's parameter, as the tick hands it over.
  LPARAM Call(int n) {
    call.Number = n;
    call.Alarms = &app->Alarms;
    return reinterpret_cast<LPARAM>(&call);
  }
  void Close() {
    if (notice && IsWindow(notice)) DestroyWindow(notice);
    notice = nullptr;
  }
  bool IsOpen() { return notice && IsWindowVisible(notice); }

  // The pacing timer's message, preceded by a marker in the trace.
  void Tick(const std::string& marker) {
    OutputDebugStringA(marker.c_str());
    SendMessageA(notice, WM_TIMER, 2, 0);
  }
  void Ticks(const std::string& prefix, int count) {
    for (int i = 1; i <= count; ++i) Tick(prefix + std::to_string(i));
  }

  ScopedApp app;
  AlarmCall call;
  ScopedTickTime time;
  HWND notice = nullptr;
};

// Beeps that the system refused; each must be followed by the simple beep.
size_t FailedBeeps(const std::vector<TracedCall>& calls) {
  size_t n = 0;
  for (const TracedCall& c : calls)
    if (c.IsReturn && c.Function == "Beep" && std::strtoul(c.Result.c_str(), nullptr, 16) == 0) ++n;
  return n;
}

// A text as Wine's trace quotes it: code page 932 bytes outside plain ASCII
// as \x escapes.
std::string AsTraced(const wchar_t* text) {
  std::string quoted = "L\"";
  for (const wchar_t* p = text; *p; ++p) {
    if (*p == L'\\' || *p == L'"') {
      quoted += '\\';
      quoted += char(*p);
    } else if (*p >= 0x20 && *p < 0x7F) {
      quoted += char(*p);
    } else {
      char hex[8];
      wsprintfA(hex, "\\%04x", unsigned(*p));
      quoted += hex;
    }
  }
  return quoted + "\"";
}

// --- the template -------------------------------------------------------------------

TEST(AlarmNoticeTemplate, IsASmallCaptionedBoxWithOkAndSnooze) {
  DialogTemplate t = ReadDialogTemplate("ALARMDLG");
  ASSERT_TRUE(t.Found);
  ExpectDialog(t, {false, 0x90C808C0u, 0, 0, 187, 96, L"Tivora", 9, L"ＭＳ Ｐゴシック"});
  ExpectItems(t, {
      {IDOK, L"Button", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 130, 7, 50, 14, L"OK"},
      // Present but hidden.
      {IDCANCEL, L"Button", WS_TABSTOP | BS_PUSHBUTTON, 0, 130, 24, 50, 14, L"ｷｬﾝｾﾙ"},
      // Under OK, where the hidden Cancel lies.
      {IDC_SNOOZE, L"Button", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 130, 24, 50, 14, L"スヌーズ"},
  }, WS_CHILD);
}

// --- sounds ------------------------------------------------------------------------------

TEST_F(AlarmNotice, ThreeBeepsOneATimerMessageThenSilenceUntilOk) {
  if (InTracedChild()) {
    OutputDebugStringA("open");
    Open(1);
    EXPECT_TRUE(GetWindowLongA(notice, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Ticks("timer ", 6);
    EXPECT_TRUE(IsOpen()) << "without OnAutoDelete the notice stays";
    OutputDebugStringA("ok");
    SendMessageA(notice, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsOpen());
    OutputDebugStringA("end");
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest(kSoundCalls);
  std::vector<TracedCall> timers = CallsOf(calls, "SetTimer");
  ASSERT_EQ(timers.size(), 1u);
  EXPECT_NE(timers[0].Arguments.find(",00000002,000003e8,00000000"), std::string::npos)
      << "timer id 2 every 1000 ms: " << timers[0].Arguments;
  EXPECT_EQ(CallsBetween(calls, "Beep", "open", "timer 1"), 0u) << "no sound at opening";
  for (int i = 1; i <= 3; ++i)
    EXPECT_EQ(CallsBetween(calls, "Beep", "timer " + std::to_string(i),
                           "timer " + std::to_string(i + 1)), 1u) << i;
  EXPECT_EQ(CallsBetween(calls, "Beep", "timer 4", "end"), 0u) << "silent after the third";
  EXPECT_EQ(CallsBetween(calls, "KillTimer", "timer 3", "timer 4"), 1u);
  for (const TracedCall& beep : CallsOf(calls, "Beep"))
    EXPECT_EQ(beep.Arguments, "00000384,00000258") << "900 Hz for 600 ms";
  EXPECT_EQ(CallsOf(calls, "MessageBeep").size(), FailedBeeps(calls));
  EXPECT_TRUE(CallsOf(calls, "sndPlaySoundW").empty());
}

// The beeps that a count gives over `Ticks` of the pacing timer, and the
// tick after which the notification closes itself (0: it stays open).
struct BeepRun {
  int Number;
  uint32_t Count;
  bool AutoDelete;
  int Ticks;
  size_t Beeps;
  int ClosesAt;
};
const BeepRun kBeepRuns[] = {
    {1, 3, true, 4, 3, 3},        // auto-close: right after the last beep
    {1, 0, false, 5, 1, 0},       // a count of 0 gives one beep
    {1, 100, false, 70, 60, 0},   // more than 60 gives 60
    {7, 2, false, 6, 5, 5},       // a number outside 1 to 4: five, then it closes
};

TEST_F(AlarmNotice, TheCountGivesItsBeepsAndAutoCloseEndsItAfterTheLast) {
  const size_t runs = sizeof kBeepRuns / sizeof *kBeepRuns;
  auto marker = [](size_t r) { return "run " + std::to_string(r); };
  if (InTracedChild()) {
    for (size_t r = 0; r < runs; ++r) {
      const BeepRun& run = kBeepRuns[r];
      app->Alarms.AlarmCount = run.Count;
      app->Alarms.OnAutoDelete = run.AutoDelete;
      OutputDebugStringA(marker(r).c_str());
      Open(run.Number);
      for (int t = 1; t <= run.Ticks; ++t) {
        EXPECT_EQ(IsOpen(), run.ClosesAt == 0 || t <= run.ClosesAt) << marker(r) << ", tick " << t;
        Tick("tick");
      }
      EXPECT_EQ(IsOpen(), run.ClosesAt == 0) << marker(r);
    }
    OutputDebugStringA(marker(runs).c_str());
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest(kSoundCalls);
  for (size_t r = 0; r < runs; ++r)
    EXPECT_EQ(CallsBetween(calls, "Beep", marker(r), marker(r + 1)), kBeepRuns[r].Beeps) << marker(r);
}

TEST_F(AlarmNotice, TheWaveIsStartedOnceAndOkStopsIt) {
  if (InTracedChild()) {
    std::string wave = WriteTestWave("tivora-alarm.wav", 8000);
    app->Alarms.OnUseWave = true;
    app->Alarms.AlarmCount = 20;
    lstrcpyW(app->Alarms.WaveFile, Wide(wave).c_str());
    Open(1);
    Ticks("timer ", 5);
    // No wait: the stop that OK makes waits for the sound's own thread to end.
    EXPECT_TRUE(IsOpen());
    OutputDebugStringA("ok");
    SendMessageA(notice, WM_COMMAND, IDOK, 0);
    OutputDebugStringA("end");
    DeleteFileA(wave.c_str());
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest(kSoundCalls);
  std::vector<TracedCall> plays = CallsOf(calls, "sndPlaySoundW");
  ASSERT_EQ(plays.size(), 2u);
  EXPECT_EQ(CallsBetween(calls, "sndPlaySoundW", "timer 1", "timer 2"), 1u);
  EXPECT_NE(plays[0].Arguments.substr(0, 8), "00000000");
  EXPECT_EQ(plays[0].Arguments.substr(plays[0].Arguments.size() - 9), ",00000001") << "SND_ASYNC";
  EXPECT_EQ(CallsBetween(calls, "sndPlaySoundW", "ok", "end"), 1u);
  EXPECT_EQ(plays[1].Arguments, "00000000,00000000") << "OK stops the wave";
  EXPECT_TRUE(AnyCallMentions(calls, "SearchPathA", "tivora-alarm.wav")) << "the wave is played";
  EXPECT_TRUE(CallsOf(calls, "Beep").empty());
}

TEST_F(AlarmNotice, AWaveWithAutoDeleteEndsAtOnceAndPlaysOn) {
  if (InTracedChild()) {
    app->Alarms.OnUseWave = true;
    app->Alarms.OnAutoDelete = true;
    lstrcpyW(app->Alarms.WaveFile, L"C:\\nowhere\\ring.wav");
    Open(1);
    Tick("timer 1");
    EXPECT_FALSE(IsOpen());
    Tick("timer 2");
    OutputDebugStringA("end");
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest(kSoundCalls);
  std::vector<TracedCall> plays = CallsOf(calls, "sndPlaySoundW");
  ASSERT_EQ(plays.size(), 1u) << "started once, never stopped";
  EXPECT_NE(plays[0].Arguments.substr(0, 8), "00000000");
}

TEST_F(AlarmNotice, AClickSilencesItAndLeavesItOpen) {
  if (InTracedChild()) {
    app->Alarms.AlarmCount = 10;
    Open(1);
    Ticks("left ", 2);
    OutputDebugStringA("left click");
    SendMessageA(notice, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    Ticks("after left ", 3);
    EXPECT_TRUE(IsOpen());
    OutputDebugStringA("right");
    Open(1);
    Tick("right 1");
    OutputDebugStringA("right click");
    SendMessageA(notice, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 20));
    Ticks("after right ", 3);
    EXPECT_TRUE(IsOpen());
    OutputDebugStringA("wave");
    app->Alarms.OnUseWave = true;
    lstrcpyW(app->Alarms.WaveFile, L"C:\\nowhere\\ring.wav");
    Open(1);
    Tick("wave 1");
    OutputDebugStringA("wave click");
    SendMessageA(notice, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(IsOpen());
    OutputDebugStringA("end");
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest(kSoundCalls);
  EXPECT_EQ(CallsBetween(calls, "Beep", "left 1", "left click"), 2u);
  EXPECT_EQ(CallsBetween(calls, "KillTimer", "left click", "after left 1"), 1u);
  EXPECT_EQ(CallsBetween(calls, "Beep", "left click", "right"), 0u);
  EXPECT_EQ(CallsBetween(calls, "Beep", "right 1", "right click"), 1u);
  EXPECT_EQ(CallsBetween(calls, "Beep", "right click", "wave"), 0u);
  EXPECT_EQ(CallsBetween(calls, "sndPlaySoundW", "wave 1", "wave click"), 1u);
  std::vector<TracedCall> plays = CallsOf(calls, "sndPlaySoundW");
  ASSERT_EQ(CallsBetween(calls, "sndPlaySoundW", "wave click", "end"), 1u);
  EXPECT_EQ(plays.back().Arguments, "00000000,00000000") << "a click stops the wave";
}

// Only スヌーズ brings the alarm back, one snooze after it was pressed; OK,
// Esc and the close after the last sound end it for good.
TEST_F(AlarmNotice, SnoozeBringsTheSameAlarmBackOnceItsMinutesAreOver) {
  AlarmSettings& s = app->Alarms;
  s.SnoozeMinutes = 3;
  const ClockTime now = MinutesFromNow(0);
  wchar_t time[6] = {wchar_t(L'0' + (now.Hour + 12) % 24 / 10), wchar_t(L'0' + (now.Hour + 12) % 24 % 10), L':', L'0', L'0', 0};
  s.Alarms[0].SetTime(time);   // half a day away: only a snooze can be due
  struct Case { int button; bool autoClose; bool snoozed; };
  for (const Case& c : {Case{IDC_SNOOZE, false, true}, Case{IDOK, false, false}, Case{IDCANCEL, false, false},
                        Case{0, true, false}}) {
    SCOPED_TRACE(c.button);
    ::Tick.Watch = AlarmWatch();
    ::Tick.Watch.Look(s, now, ::Tick.ElapsedNow());
    s.AlarmCount = 1;
    s.OnAutoDelete = c.autoClose;
    Open(1);
    if (c.button) {
      SendMessageA(notice, WM_COMMAND, MAKEWPARAM(c.button, BN_CLICKED), 0);
    } else {
      SendMessageA(notice, WM_TIMER, 2, 0);
    }
    EXPECT_FALSE(IsOpen());
    const uint64_t pressed = ::Tick.ElapsedNow();
    ::Tick.Watch.Look(s, MinutesFromNow(3), pressed + 3 * 60000 - 1000);
    EXPECT_FALSE(::Tick.Watch.Waiting()) << "not before its minutes are over";
    ::Tick.Watch.Look(s, MinutesFromNow(3), pressed + 3 * 60000);
    EXPECT_EQ(::Tick.Watch.TakeNext().Number, c.snoozed ? 1 : 0);
  }
}

// Run modally with its own timer, as the tick runs it: the first beep a
// second after opening, then one a second, and the end with the last.
TEST_F(AlarmNotice, RunModallyItBeepsOnceASecondAndEndsWithTheLast) {
  if (InTracedChild()) {
    app->Alarms.OnAutoDelete = true;
    app->Alarms.AlarmCount = 3;
    OutputDebugStringA("open");
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), "ALARMDLG", nullptr,
                                     AlarmNotification, Call(1));
    OutputDebugStringA("end");
    EXPECT_EQ(result, 1);
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest(kSoundCalls);
  std::vector<TracedCall> beeps = CallsOf(calls, "Beep");
  ASSERT_EQ(beeps.size(), 3u);
  size_t open = IndexOfMarker(calls, "open"), end = IndexOfMarker(calls, "end");
  ASSERT_LT(end, calls.size());
  EXPECT_GE(beeps[0].Time - calls[open].Time, 0.9) << "no sound at opening";
  EXPECT_GE(beeps[1].Time - beeps[0].Time, 0.9);
  EXPECT_GE(beeps[2].Time - beeps[1].Time, 0.9);
  EXPECT_LT(calls[end].Time - beeps[2].Time, 0.9) << "ends with the third, not a period later";
}

// --- what it shows ---------------------------------------------------------------------------

TEST_F(AlarmNotice, ShowsTheTimeAndTheMessageOrTheDefaultText) {
  if (InTracedChild()) {
    ::Tick.TickTime.wHour = 7;
    ::Tick.TickTime.wMinute = 5;
    app->Alarms.Alarms[1].SetMessage(L"");
    OutputDebugStringA("with message");
    Open(1);
    UpdateWindow(notice);
    OutputDebugStringA("empty message");
    Open(2);
    UpdateWindow(notice);
    OutputDebugStringA("no alarm");
    Open(0);
    UpdateWindow(notice);
    OutputDebugStringA("end");
    return;
  }
  std::vector<TracedCall> calls =
      TraceCurrentTest("USER32.DrawTextW;GDI32.TextOutW;GDI32.SetTextColor");
  // The last argument, a 32-bit one: a 64-bit trace shows whatever the
  // register's upper half held as well.
  auto lastArgument = [](const std::string& arguments) {
    return uint32_t(std::strtoull(arguments.c_str() + arguments.rfind(',') + 1, nullptr, 16));
  };
  auto textsBetween = [&](const char* function, const char* from, const char* to) {
    std::vector<std::string> texts;
    size_t begin = IndexOfMarker(calls, from), end = IndexOfMarker(calls, to);
    for (size_t i = begin; i < end && i < calls.size(); ++i)
      if (!calls[i].IsReturn && calls[i].Function == function &&
          !(function == std::string("DrawTextW") && (lastArgument(calls[i].Arguments) & DT_CALCRECT)))
        texts.push_back(calls[i].Arguments);   // drawing, not measuring
    return texts;
  };
  const std::string wake = AsTraced(L"起きる");
  const std::string itsTime = AsTraced(L"時間です");
  struct Case { const char* from; const char* to; std::string message; };
  for (const Case& c : {Case{"with message", "empty message", wake},
                        Case{"empty message", "no alarm", itsTime},
                        Case{"no alarm", "end", itsTime}}) {
    // The buttons of the common controls draw their texts through DrawTextW
    // as well: the notification's own call is the one with its message.
    std::vector<std::string> drawn;
    for (const std::string& call : textsBetween("DrawTextW", c.from, c.to))
      if (call.find(c.message) != std::string::npos) drawn.push_back(call);
    ASSERT_EQ(drawn.size(), 1u) << c.from << ": " << (drawn.empty() ? "" : drawn.back());
    EXPECT_NE(drawn[0].find(",ffffffff,"), std::string::npos) << "whole text";
    EXPECT_EQ(lastArgument(drawn[0]), uint32_t(DT_CENTER | DT_WORDBREAK)) << "centred, broken at words";
    std::vector<std::string> times = textsBetween("TextOutW", c.from, c.to);
    ASSERT_EQ(times.size(), 1u) << c.from;
    EXPECT_NE(times[0].find("\"7:05\""), std::string::npos) << c.from << ": " << times[0];
    std::vector<std::string> colours = textsBetween("SetTextColor", c.from, c.to);
    ASSERT_FALSE(colours.empty());
    EXPECT_NE(colours[0].find(",000000ff"), std::string::npos) << "red: " << colours[0];
  }
}

// A band of rows that hold pure red, with rows without any above and below:
// its red pixels and its first and last row.
struct RedInk {
  int Pixels = 0;
  int FirstRow = -1;
  int LastRow = -1;
};

// The bands of red in a capture, top to bottom.
std::vector<RedInk> FindRed(const MemorySurface& capture) {
  std::vector<RedInk> bands;
  bool inBand = false;
  for (int y = 0; y < capture.height(); ++y) {
    int red = 0;
    for (int x = 0; x < capture.width(); ++x)
      if (capture.At(x, y) == RGB(255, 0, 0)) ++red;
    if (red && !inBand) bands.push_back(RedInk{0, y, y});
    if (red) {
      bands.back().Pixels += red;
      bands.back().LastRow = y;
    }
    inBand = red != 0;
  }
  return bands;
}

// The notification's client area as it shows now.
RECT ClientOf(HWND notice) {
  RECT client;
  GetClientRect(notice, &client);
  return client;
}
void CaptureClient(HWND notice, MemorySurface& capture) {
  HDC window = GetDC(notice);
  BitBlt(capture.dc(), 0, 0, capture.width(), capture.height(), window, 0, 0, SRCCOPY);
  ReleaseDC(notice, window);
}

TEST_F(AlarmNotice, TheTextsAreLargeAndRed) {
  ::Tick.TickTime.wHour = 12;
  ::Tick.TickTime.wMinute = 34;
  Open(1);
  UpdateWindow(notice);
  const RECT client = ClientOf(notice);
  MemorySurface capture(client.right, client.bottom, RGB(0, 0, 0));
  CaptureClient(notice, capture);
  const int height = capture.height();

  // The time, then the message in a band of its own below it.
  std::vector<RedInk> bands = FindRed(capture);
  ASSERT_GE(bands.size(), 2u) << "the time and the message apart, in red";
  const RedInk& time = bands[0];
  int messagePixels = 0;
  for (size_t i = 1; i < bands.size(); ++i) messagePixels += bands[i].Pixels;
  EXPECT_GT(time.Pixels, 200) << "the time in red";
  EXPECT_LT(time.FirstRow, height / 3) << "the time near the top";
  EXPECT_GT(messagePixels, 200) << "the message in red below";
  // Digits of a 50-pixel font stand well over 25 pixels tall; the dialog's
  // own 9-point font could never reach that.
  EXPECT_GE(time.LastRow - time.FirstRow, 25);
}

// Every text that the program draws with DrawTextW, with whether it fits the
// rectangle it is drawn into in the font it is drawn in: whole, or cut.
struct DrawnText {
  std::wstring Text;
  bool Whole;
  RECT Box;
};
std::vector<DrawnText>& DrawnTexts() {
  static std::vector<DrawnText> drawn;
  return drawn;
}
using DrawTextWType = int(WINAPI*)(HDC, LPCWSTR, int, LPRECT, UINT);
DrawTextWType RealDrawTextW = nullptr;
int WINAPI RecordDrawTextW(HDC dc, LPCWSTR text, int length, LPRECT rect, UINT flags) {
  if (!(flags & DT_CALCRECT)) {
    RECT need = *rect;
    RealDrawTextW(dc, text, length, &need, flags | DT_CALCRECT);
    bool whole = need.bottom <= rect->bottom && need.right - need.left <= rect->right - rect->left;
    DrawnTexts().push_back({length < 0 ? std::wstring(text) : std::wstring(text, length), whole, *rect});
  }
  return RealDrawTextW(dc, text, length, rect, flags);
}

// The longest messages, fifteen double-byte characters or thirty wide
// letters, do not all fit below the time in the large font: such a message
// is drawn smaller, whole, never cut by the window's edge, and clear of the
// スヌーズ button.
TEST_F(AlarmNotice, TheLongestMessagesShowWholeBesideTheButtons) {
  for (const wchar_t* longest : {L"あいうえおかきくけこさしすせそ", L"WWWWWWWWWW WWWWWWWWWW WWWWWWWW"}) {
    app->Alarms.Alarms[0].SetMessage(longest);
    ASSERT_STREQ(app->Alarms.Alarms[0].Msg, longest);
    RealDrawTextW = PatchImport("DrawTextW", &RecordDrawTextW);
    ASSERT_NE(RealDrawTextW, nullptr);
    DrawnTexts().clear();
    Open(1);
    UpdateWindow(notice);
    PatchImport("DrawTextW", RealDrawTextW);
    ASSERT_EQ(DrawnTexts().size(), 1u);
    EXPECT_EQ(DrawnTexts()[0].Text, longest);
    EXPECT_TRUE(DrawnTexts()[0].Whole) << "the message is cut by the window's edge";
    RECT snooze, overlap;
    GetWindowRect(GetDlgItem(notice, IDC_SNOOZE), &snooze);
    MapWindowPoints(nullptr, notice, reinterpret_cast<POINT*>(&snooze), 2);
    EXPECT_FALSE(IntersectRect(&overlap, &DrawnTexts()[0].Box, &snooze)) << "the message runs under スヌーズ";
  }
}

// --- the wave's length, and what a late alarm shows ---------------------------------------

// A second and a half of sound (12000 samples at 8000 a second), whether its
// header says so or claims two minutes.
TEST_F(AlarmNotice, AWaveWithAutoDeleteClosesWhenItHasPlayedToItsEnd) {
  for (unsigned stated : {12000u, 960000u}) {
  SCOPED_TRACE(stated);
  std::string wave = WriteTestWave("tivora-length.wav", 12000, stated);
  app->Alarms.OnUseWave = true;
  app->Alarms.OnAutoDelete = true;
  lstrcpyW(app->Alarms.WaveFile, Wide(wave).c_str());
  Open(1);
  Tick("timer 1");
  const DWORD started = GetTickCount();
  EXPECT_TRUE(IsOpen()) << "the wave has only begun";
  while (IsOpen() && GetTickCount() - started < 5000) PumpMessages();
  const DWORD open = GetTickCount() - started;
  EXPECT_FALSE(IsOpen());
  EXPECT_GE(open, 1400u) << "closed before the wave's end";
  EXPECT_LT(open, 2500u) << "kept open long after it";
  sndPlaySoundW(nullptr, 0);
  DeleteFileA(wave.c_str());
  }
}

TEST_F(AlarmNotice, ALateAlarmShowsItsOwnTimeAndHowLateItIs) {
  if (InTracedChild()) {
    ::Tick.TickTime = SystemTimeOf(2020, 1, 2, 9, 42, 10);
    ::Tick.Announced.Number = 1;
    ::Tick.Announced.Hour = 7;
    ::Tick.Announced.Minute = 30;
    ::Tick.AnnouncedLate = 2 * 3600 + 12 * 60 + 10;
    OutputDebugStringA("late");
    Open(1);
    UpdateWindow(notice);
    ::Tick.AnnouncedLate = 40;
    OutputDebugStringA("on time");
    Open(1);
    UpdateWindow(notice);
    OutputDebugStringA("end");
    ::Tick.Announced = DueAlarm();
    return;
  }
  std::vector<TracedCall> calls = TraceCurrentTest("USER32.DrawTextW;GDI32.TextOutW");
  size_t late = IndexOfMarker(calls, "late"), onTime = IndexOfMarker(calls, "on time"),
         end = IndexOfMarker(calls, "end");
  std::vector<std::string> lateTexts, onTimeTexts;
  for (size_t i = late; i < end && i < calls.size(); ++i)
    if (!calls[i].IsReturn) (i < onTime ? lateTexts : onTimeTexts).push_back(calls[i].Arguments);
  auto anyHolds = [](const std::vector<std::string>& texts, const std::string& text) {
    for (const std::string& t : texts)
      if (t.find(text) != std::string::npos) return true;
    return false;
  };
  // Traced wide texts read L"...": the quotes are left off to find a part.
  auto inner = [](const std::string& traced) { return traced.substr(2, traced.size() - 3); };
  EXPECT_TRUE(anyHolds(lateTexts, AsTraced(L"7:30"))) << "the alarm's time, not the clock's";
  EXPECT_TRUE(anyHolds(lateTexts, inner(AsTraced(L"2時間12分遅れ"))));
  EXPECT_TRUE(anyHolds(onTimeTexts, AsTraced(L"7:30")));
  EXPECT_FALSE(anyHolds(onTimeTexts, inner(AsTraced(L"遅れ")))) << "on time";
}

}  // namespace
