#include <windows.h>
#include <gtest/gtest.h>
#include "app/ClockTick.h"
#include "app/DisplaySwitches.h"
#include "app/FacePainting.h"
#include "app/MainWindow.h"
#include "app/WindowStyling.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "face/rules/LayeredPixels.h"
#include "res/resource.h"
#include "tests/win/ClockWindowFixture.h"
#include "tests/win/LayeredRecorder.h"
#include "tests/win/UnwritableKey.h"

namespace {

constexpr DWORD kCaptionBits = WS_CAPTION | WS_SYSMENU;

// The client area in window coordinates, where the digits stand.
RECT ClientInWindow(HWND w) {
  RECT outer = WindowRectOf(w), client;
  GetClientRect(w, &client);
  MapWindowPoints(w, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -outer.left, -outer.top);
  return client;
}

}  // namespace

// --- caption -------------------------------------------------------------------

TEST_F(ClockWindowTest, CaptionSwitchAddsTheCaptionKeepsTheOuterSizeAndWritesOnCaption) {
  OpenClock(OnBorder);
  RECT before = WindowRectOf(Clock);
  Command(IDM_CAPTION);
  EXPECT_EQ(Style() & kCaptionBits, kCaptionBits);
  EXPECT_EQ(Stored("OnCaption"), 1);
  EXPECT_TRUE(App->Flags.Has(OnCaption));
  EXPECT_FALSE(Tick.Held());
  RECT after = WindowRectOf(Clock);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);

  // The double click is the same switch.
  SendMessageA(Clock, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Style() & kCaptionBits, 0u);
  EXPECT_EQ(Stored("OnCaption"), 0);
  EXPECT_EQ(Stored("OnTransparent"), -1);
}

TEST_F(ClockWindowTest, DoubleClickOnTheRoundClockGivesItACaptionAndEndsTransparency) {
  OpenClock(OnAnalog | OnTransparent);
  ASSERT_NE(RegionKind(), ERROR) << "the transparent analog clock without caption is round";
  SendMessageA(Clock, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  Pump();
  EXPECT_EQ(Stored("OnCaption"), 1);
  EXPECT_EQ(Stored("OnTransparent"), 0);
  EXPECT_FALSE(App->Flags.Has(OnTransparent));
  EXPECT_EQ(Style() & kCaptionBits, kCaptionBits);
  EXPECT_EQ(RegionKind(), ERROR) << "the round region stays after the caption came";
  EXPECT_EQ(ExStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT), 0u);
}

// With a caption the transparent digits stand over a colour key, which
// keeps the caption and frame that the system draws: a picture of per-pixel
// alpha would hide them. The key is never the text's colour.
TEST_F(ClockWindowTest, CaptionOnATransparentDigitalClockKeepsItOverAColourKeyAtTheBottom) {
  OpenClock(OnTransparent);
  HWND other = OtherWindow(true);
  Command(IDM_CAPTION);
  EXPECT_EQ(Style() & kCaptionBits, kCaptionBits);
  EXPECT_TRUE(App->Flags.Has(OnTransparent));
  EXPECT_EQ(Stored("OnTransparent"), -1);
  ASSERT_NE(ExStyle() & WS_EX_LAYERED, 0u);
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD how = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Clock, &key, &alpha, &how));
  EXPECT_EQ(how & (LWA_COLORKEY | LWA_ALPHA), DWORD(LWA_COLORKEY));
  EXPECT_EQ(key, RGB(255, 0, 255));
  EXPECT_NE(SendMessageA(Clock, WM_ERASEBKGND, 0, 0), 0) << "painted whole in the key colour";
  EXPECT_TRUE(IsAbove(other, Clock));
  EXPECT_TRUE(AtTheBottom());

  App->Font.SetFontColor(RGB(255, 0, 255));
  ApplyColorKey(Clock);
  ASSERT_TRUE(GetLayeredWindowAttributes(Clock, &key, &alpha, &how));
  EXPECT_EQ(key, RGB(0, 255, 0)) << "magenta digits take another key";

  Command(IDM_CAPTION);
  EXPECT_NE(ExStyle() & WS_EX_LAYERED, 0u) << "the digits float again";
  EXPECT_TRUE(AtTheBottom());
}

// --- border and on top ------------------------------------------------------------

// The switches that change one thing: each is shown and written at once, both
// ways. On top, the clock stays above a window that comes up later.
TEST_F(ClockWindowTest, PlainSwitchesShowAndWriteTheirStateBothWays) {
  struct Switch {
    UINT Command;
    const char* Value;
    DWORD Opened;
    std::function<bool()> Shown;
  };
  const Switch switches[] = {
      {IDM_BORDER, "OnBorder", 0, [this] { return (Style() & WS_THICKFRAME) != 0; }},
      {IDM_USEBITMAP, "OnBitmap", OnBorder, [] { return App->Flags.Has(OnBitmap); }},
      {IDM_SECOND, "OnSecond", OnAnalog, [] { return App->Analog && App->Analog->ShowSecond; }},
      {IDM_HOUR12, "OnHour12", OnBorder, [] { return App->Flags.Has(OnHour12); }},
      {IDM_ONTOP, "OnTop", OnBorder, [this] {
         const bool topmost = (ExStyle() & WS_EX_TOPMOST) != 0;
         HWND later = OtherWindow(false);
         SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
         EXPECT_EQ(IsAbove(Clock, later), topmost) << "above a later window only while on top";
         return topmost;
       }},
  };
  for (const Switch& s : switches) {
    SCOPED_TRACE(s.Value);
    OpenClock(s.Opened);
    for (int on : {1, 0}) {
      Command(s.Command);
      EXPECT_EQ(s.Shown(), on != 0);
      EXPECT_EQ(Stored(s.Value), on);
      EXPECT_FALSE(Tick.Held());
    }
    CloseClock();
  }
}

// --- transparency ---------------------------------------------------------------------

TEST_F(ClockWindowTest, TransparentDigitalClockIsALayeredWindowOfPerPixelAlphaAtTheBottom) {
  OpenClock(OnBorder | OnTop);
  HWND other = OtherWindow(true);
  ASSERT_TRUE(IsAbove(Clock, other));
  LayeredRecorder recorder;
  ASSERT_TRUE(recorder.Installed());
  Command(IDM_TRANSPARENT);

  EXPECT_NE(ExStyle() & WS_EX_LAYERED, 0u);
  EXPECT_EQ(ExStyle() & WS_EX_TRANSPARENT, 0u) << "never both: clicks must still reach the clock";
  EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0u);
  EXPECT_TRUE(AtTheBottom());
  EXPECT_EQ(Stored("OnTransparent"), 1);
  EXPECT_EQ(Stored("OnTop"), 0);
  EXPECT_EQ(Stored("OnBorder"), -1);
  EXPECT_NE(Style() & WS_THICKFRAME, 0u);

  // The picture of the whole window, blended by its own alpha: the frame
  // opaque, the ground between frame and digits alpha 1, the digits red.
  ASSERT_FALSE(recorder.Pictures.empty());
  const LayeredRecorder::Picture& p = recorder.Pictures.back();
  EXPECT_EQ(p.Window, Clock);
  EXPECT_EQ(p.Flags, static_cast<DWORD>(ULW_ALPHA));
  EXPECT_EQ(p.Blend.AlphaFormat, AC_SRC_ALPHA);
  EXPECT_EQ(p.Blend.SourceConstantAlpha, 255);
  RECT outer = WindowRectOf(Clock), client = ClientInWindow(Clock);
  ASSERT_EQ(p.Size.cx, outer.right - outer.left);
  ASSERT_EQ(p.Size.cy, outer.bottom - outer.top);
  ASSERT_FALSE(p.Pixels.empty());
  EXPECT_EQ(p.At(0, 0) >> 24, 0xFFu);
  EXPECT_EQ(p.At(client.left + 1, client.top + 1), kLayeredBackground);
  int red = 0;
  for (uint32_t pixel : p.Pixels) red += pixel == 0xFFFF0000u;
  EXPECT_GT(red, 60);

  // Off again: the ordinary window, erased and painted as before.
  Command(IDM_TRANSPARENT);
  EXPECT_EQ(ExStyle() & WS_EX_LAYERED, 0u);
  EXPECT_EQ(Stored("OnTransparent"), 0);
  EXPECT_FALSE(Tick.Held());
  HDC dc = GetDC(Clock);
  EXPECT_EQ(GetPixel(dc, 1, 1), App->Font.BkColor());
  ReleaseDC(Clock, dc);
}

TEST_F(ClockWindowTest, FloatingDigitsAreDrawnOnlyForANewMinuteANewSizeOrACommand) {
  OpenClock(OnTransparent);
  LayeredRecorder recorder;
  SYSTEMTIME now = SystemTimeOf(2002, 3, 14, 10, 7, 0, 4);
  ClockTickAt(Clock, now);
  recorder.Pictures.clear();
  for (now.wSecond = 1; now.wSecond < 60; ++now.wSecond) ClockTickAt(Clock, now);
  EXPECT_EQ(recorder.Pictures.size(), 0u) << "nothing changed within the minute";
  now.wMinute = 8;
  now.wSecond = 0;
  ClockTickAt(Clock, now);
  EXPECT_EQ(recorder.Pictures.size(), 1u) << "10:08";

  SetWindowPos(Clock, nullptr, 0, 0, 150, 60, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_GE(recorder.Pictures.size(), 2u);
  EXPECT_EQ(recorder.Pictures.back().Size.cx, 150);
  EXPECT_EQ(recorder.Pictures.back().Size.cy, 60);

  recorder.Pictures.clear();
  Command(4242);   // any command ends with the refresh
  EXPECT_GE(recorder.Pictures.size(), 1u);
}

TEST_F(ClockWindowTest, TransparentAnalogClockLosesItsBorderAndBecomesRound) {
  OpenClock(OnAnalog | OnBorder);
  ASSERT_EQ(RegionKind(), ERROR);
  Command(IDM_TRANSPARENT);
  EXPECT_EQ(Style() & WS_THICKFRAME, 0u);
  EXPECT_EQ(Stored("OnTransparent"), 1);
  EXPECT_EQ(Stored("OnBorder"), 0);
  EXPECT_EQ(ExStyle() & (WS_EX_LAYERED | WS_EX_TRANSPARENT), 0u);
  EXPECT_NE(RegionKind(), ERROR);

  Command(IDM_TRANSPARENT);
  EXPECT_EQ(Stored("OnTransparent"), 0);
  EXPECT_EQ(RegionKind(), ERROR);
  EXPECT_EQ(Style() & WS_THICKFRAME, 0u) << "the border stays off";
  EXPECT_FALSE(Tick.Held());
}

// --- face, seconds, picture -----------------------------------------------------------

TEST_F(ClockWindowTest, AnalogSwitchReplacesTheFaceAndAlwaysEndsTransparency) {
  OpenClock(OnTransparent);
  ASSERT_NE(App->Digital, nullptr);
  Command(IDM_ANALOG);
  EXPECT_NE(App->Analog, nullptr);
  EXPECT_EQ(App->Digital, nullptr);
  EXPECT_EQ(Stored("OnTransparent"), 0);
  EXPECT_EQ(Stored("OnAnalog"), 1);
  EXPECT_EQ(ExStyle() & WS_EX_LAYERED, 0u);
  EXPECT_EQ(RegionKind(), ERROR);

  // Round, then back to digits: the region goes with the analog face.
  Command(IDM_TRANSPARENT);
  ASSERT_NE(RegionKind(), ERROR);
  ResetClockRegistry();
  Command(IDM_ANALOG);
  EXPECT_NE(App->Digital, nullptr);
  EXPECT_EQ(App->Analog, nullptr);
  EXPECT_EQ(Stored("OnTransparent"), 0);
  EXPECT_EQ(Stored("OnAnalog"), 0);
  EXPECT_EQ(RegionKind(), ERROR);
  EXPECT_EQ(ExStyle() & WS_EX_LAYERED, 0u);
}

// Refused, nothing is written; dropped, the switch is written off.
TEST_F(ClockWindowTest, TransparentDigitalClockRefusesToShowSecondsButDropsThem) {
  for (bool shown : {false, true}) {
    SCOPED_TRACE(shown ? "seconds shown" : "no seconds");
    OpenClock(OnTransparent | (shown ? OnSecond : 0));
    Command(IDM_SECOND);
    EXPECT_FALSE(App->Flags.Has(OnSecond));
    EXPECT_EQ(Stored("OnSecond"), shown ? 0 : -1);
    EXPECT_TRUE(AtTheBottom());
    EXPECT_FALSE(Tick.Held());
    CloseClock();
  }
}

// --- refresh and fit --------------------------------------------------------------------

TEST_F(ClockWindowTest, EveryCommandEndsWithAFullRedrawAndTheTickResumed) {
  OpenClock(OnBorder);
  Tick.MinuteChanged = false;
  Tick.FullRedrawPending = false;
  Command(4242);   // an id no item carries: only the refresh runs
  EXPECT_TRUE(Tick.MinuteChanged);
  EXPECT_TRUE(Tick.FullRedrawPending);
  EXPECT_FALSE(Tick.Held());

  // A change of the system time is drawn at once, in full, at the new time.
  Tick.FullRedrawPending = false;
  Tick.TickTime = SystemTimeOf(2000, 1, 1, 0, 0, 0);
  SendMessageA(Clock, WM_TIMECHANGE, 0, 0);
  EXPECT_NE(Tick.TickTime.wYear, 2000);
  EXPECT_FALSE(Tick.FullRedrawPending) << "the full redraw is done";

  // Back from sleep, the clock ticks at once; other power news does not.
  Tick.TickTime = SystemTimeOf(2000, 1, 1, 0, 0, 0);
  SendMessageA(Clock, WM_POWERBROADCAST, PBT_APMSUSPEND, 0);
  EXPECT_EQ(Tick.TickTime.wYear, 2000);
  SendMessageA(Clock, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_NE(Tick.TickTime.wYear, 2000);
}

// The fitted window holds the text whole below any caption, grows with it by
// as much as it grows, and keeps its corner.
TEST_F(ClockWindowTest, FittingToTheTextKeepsTheCornerAndAllowsForTheCaption) {
  const auto holds = [this](const RECT& text) {
    RECT client;
    GetClientRect(Clock, &client);
    return client.right >= text.right && client.bottom >= text.bottom;
  };
  OpenClock(OnCaption);
  SetWindowPos(Clock, nullptr, 120, 90, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT text = {0, 0, 50, 20};
  FitWindowToText(Clock, text, true, true);
  RECT r = WindowRectOf(Clock);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 90);
  EXPECT_TRUE(holds(text));
  const LONG margin = r.right - r.left - text.right;
  EXPECT_GT(margin, 0);
  FitWindowToText(Clock, RECT{0, 0, 80, 20}, true, true);
  EXPECT_EQ(WindowRectOf(Clock).right - WindowRectOf(Clock).left, 80 + margin);
  CloseClock();

  OpenClock(OnTransparent);
  HWND other = OtherWindow(true);
  FitWindowToText(Clock, text, true, true);
  r = WindowRectOf(Clock);
  EXPECT_EQ(r.right - r.left, text.right + margin);
  EXPECT_EQ(r.bottom - r.top, text.bottom) << "no caption, no frame: the text's own height";
  EXPECT_TRUE(IsAbove(other, Clock));

  // Grown near the right and bottom edges, it is moved back onto the work area.
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(Clock, nullptr, work.right - 60, work.bottom - 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  FitWindowToText(Clock, RECT{0, 0, 300, 100}, true, true);
  r = WindowRectOf(Clock);
  EXPECT_EQ(r.right, work.right);
  EXPECT_EQ(r.bottom, work.bottom);
  EXPECT_EQ(r.right - r.left, 300 + margin);
}

// Seconds or the 12-hour form switched on or off fit the window to the widest
// time they let the digits show; a start widens a stored window that would cut it.
TEST_F(ClockWindowTest, SecondsOnOrOffAndTheStartKeepTheWidestTimeInsideTheWindow) {
  // The widest time whole inside the client, with room to spare.
  const auto holdsWidestTime = [this] {
    RECT text = {}, client;
    if (PaintDigital(Clock, true, &text) == 0 || !GetClientRect(Clock, &client)) return false;
    return client.right > text.right;
  };
  const auto width = [this] { return WindowRectOf(Clock).right - WindowRectOf(Clock).left; };
  OpenClock(OnBorder);
  const LONG without = width();
  EXPECT_EQ(without, 116) << "it held the time";
  // Each switch widens the window for the wider time; switched back, it fits it again.
  for (UINT command : {IDM_SECOND, IDM_HOUR12}) {
    Command(command);
    EXPECT_TRUE(holdsWidestTime()) << command;
    EXPECT_GT(width(), without) << command;
    Command(command);
    EXPECT_TRUE(holdsWidestTime()) << command;
    EXPECT_LE(width(), without) << command << ": fitted back to the plain time";
  }
  CloseClock();
  OpenClock(OnBorder | OnSecond | OnHour12);
  EXPECT_TRUE(holdsWidestTime());
}

// The exit and the real end of the session close the clock and save its
// place then; the end of a session that goes on after all (FALSE) changes
// nothing.
TEST_F(ClockWindowTest, ExitAndTheSessionsEndDestroyTheWindowAndEndTheLoop) {
  for (bool bySession : {false, true}) {
    SCOPED_TRACE(bySession ? "WM_ENDSESSION" : "IDM_EXIT");
    OpenClock(OnBorder);
    SetWindowPos(Clock, nullptr, 130, 140, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    if (bySession) {
      SendMessageA(Clock, WM_ENDSESSION, FALSE, 0);
      ASSERT_TRUE(IsWindow(Clock));
      EXPECT_EQ(Stored("Left"), -1);
      SendMessageA(Clock, WM_ENDSESSION, TRUE, 0);
    } else {
      Command(IDM_EXIT);
    }
    EXPECT_FALSE(IsWindow(Clock));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(Stored("Left"), 130);
    EXPECT_EQ(Stored("Top"), 140);
    CloseClock();
  }
}

// --- a save that fails ----------------------------------------------------------

TEST_F(ClockWindowTest, ASwitchThatCannotBeSavedStaysOnScreenAndSaysSoOnce) {
  OpenClock(OnBorder | OnTop);
  UnwritableClockKey unwritable;
  ASSERT_TRUE(unwritable.Made);
  MessageBoxCatcher catcher;
  Command(IDM_TRANSPARENT);   // two values: transparency on, always-on-top off
  EXPECT_TRUE(App->Flags.Has(OnTransparent)) << "the change holds for this run";
  EXPECT_FALSE(App->Flags.Has(OnTop));
  EXPECT_EQ(Stored("OnTransparent"), -1);
  ASSERT_EQ(catcher.Shown.size(), 1u) << "one message for one command";
  EXPECT_EQ(catcher.Shown[0].Text, "設定を保存できませんでした。この変更は次の起動では元に戻ります");
  EXPECT_EQ(catcher.Shown[0].Owner, Clock);

  // Writable again: the next switch is stored and says nothing.
  ResetClockRegistry();
  Command(IDM_BORDER);
  EXPECT_EQ(catcher.Shown.size(), 1u);
  EXPECT_EQ(Stored("OnBorder"), 0);
}
