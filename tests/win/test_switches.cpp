#include <windows.h>
#include <gtest/gtest.h>
#include "app/DisplaySwitches.h"
#include "face/ClockPainter.h"
#include "face/DigitalFace.h"
#include "face/rules/KeyColor.h"
#include "res/resource.h"
#include "tests/win/ClockWindowFixture.h"

namespace {

constexpr DWORD kCaptionBits = WS_CAPTION | WS_SYSMENU;

RECT WindowRect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

}  // namespace

// --- caption -------------------------------------------------------------------

TEST_F(ClockWindowTest, CaptionSwitchAddsTheCaptionKeepsTheOuterSizeAndWritesOnCaption) {
  OpenClock(OnBorder);
  RECT before = WindowRect(Clock);
  Command(IDM_CAPTION);
  EXPECT_EQ(Style() & kCaptionBits, kCaptionBits);
  EXPECT_EQ(Stored("OnCaption"), 1);
  EXPECT_TRUE(App->Flags.Has(OnCaption));
  EXPECT_FALSE(Tick.Held());
  RECT after = WindowRect(Clock);
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

TEST_F(ClockWindowTest, CaptionOnATransparentDigitalClockKeepsItAtTheBottom) {
  OpenClock(OnTransparent);
  HWND other = OtherWindow(true);
  Command(IDM_CAPTION);
  EXPECT_EQ(Style() & kCaptionBits, kCaptionBits);
  EXPECT_TRUE(App->Flags.Has(OnTransparent));
  EXPECT_EQ(Stored("OnTransparent"), -1);
  EXPECT_NE(ExStyle() & WS_EX_LAYERED, 0u);
  EXPECT_TRUE(IsAbove(other, Clock));
  EXPECT_TRUE(AtTheBottom());
}

// --- border and on top ------------------------------------------------------------

TEST_F(ClockWindowTest, BorderSwitchTakesAndGivesTheSizingFrame) {
  OpenClock(OnBorder);
  ASSERT_NE(Style() & WS_THICKFRAME, 0u);
  Command(IDM_BORDER);
  EXPECT_EQ(Style() & WS_THICKFRAME, 0u);
  EXPECT_EQ(Stored("OnBorder"), 0);
  Command(IDM_BORDER);
  EXPECT_NE(Style() & WS_THICKFRAME, 0u);
  EXPECT_EQ(Stored("OnBorder"), 1);
  EXPECT_FALSE(Tick.Held());
}

TEST_F(ClockWindowTest, OnTopSwitchMakesTheClockTopmostAboveLaterWindowsAndBack) {
  OpenClock(OnBorder);
  Command(IDM_ONTOP);
  EXPECT_NE(ExStyle() & WS_EX_TOPMOST, 0u);
  EXPECT_EQ(Stored("OnTop"), 1);
  HWND later = OtherWindow(false);
  SetWindowPos(later, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  EXPECT_TRUE(IsAbove(Clock, later));

  Command(IDM_ONTOP);
  EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0u);
  EXPECT_EQ(Stored("OnTop"), 0);
}

// --- transparency ---------------------------------------------------------------------

TEST_F(ClockWindowTest, TransparentDigitalClockIsAColourKeyedLayeredWindowAtTheBottom) {
  OpenClock(OnBorder | OnTop);
  HWND other = OtherWindow(true);
  ASSERT_TRUE(IsAbove(Clock, other));
  Command(IDM_TRANSPARENT);

  EXPECT_NE(ExStyle() & WS_EX_LAYERED, 0u);
  EXPECT_EQ(ExStyle() & WS_EX_TRANSPARENT, 0u) << "never both: clicks must still reach the clock";
  EXPECT_EQ(ExStyle() & WS_EX_TOPMOST, 0u);
  EXPECT_TRUE(AtTheBottom());
  EXPECT_EQ(Stored("OnTransparent"), 1);
  EXPECT_EQ(Stored("OnTop"), 0);
  EXPECT_EQ(Stored("OnBorder"), -1);
  EXPECT_NE(Style() & WS_THICKFRAME, 0u);

  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD how = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(Clock, &key, &alpha, &how));
  EXPECT_NE(how & LWA_COLORKEY, 0u);
  EXPECT_NE(key & 0xFFFFFF, App->Font.FontColor() & 0xFFFFFF);

  Command(IDM_TRANSPARENT);
  EXPECT_EQ(ExStyle() & WS_EX_LAYERED, 0u);
  EXPECT_EQ(Stored("OnTransparent"), 0);
  EXPECT_FALSE(Tick.Held());
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

TEST_F(ClockWindowTest, TransparentDigitalClockRefusesToShowSecondsButDropsThem) {
  OpenClock(OnTransparent);
  Command(IDM_SECOND);
  EXPECT_FALSE(App->Flags.Has(OnSecond));
  EXPECT_EQ(Stored("OnSecond"), -1);
  EXPECT_TRUE(AtTheBottom());
  EXPECT_FALSE(Tick.Held());
  CloseClock();

  OpenClock(OnTransparent | OnSecond);
  Command(IDM_SECOND);
  EXPECT_FALSE(App->Flags.Has(OnSecond));
  EXPECT_EQ(Stored("OnSecond"), 0);
}

TEST_F(ClockWindowTest, SecondsSwitchReachesTheAnalogSecondHand) {
  OpenClock(OnAnalog);
  ASSERT_NE(App->Analog, nullptr);
  Command(IDM_SECOND);
  EXPECT_TRUE(App->Analog->ShowSecond);
  EXPECT_EQ(Stored("OnSecond"), 1);
  Command(IDM_SECOND);
  EXPECT_FALSE(App->Analog->ShowSecond);
  EXPECT_EQ(Stored("OnSecond"), 0);
}

TEST_F(ClockWindowTest, PictureSwitchIsWrittenAtOnce) {
  OpenClock(OnBorder);
  Command(IDM_USEBITMAP);
  EXPECT_TRUE(App->Flags.Has(OnBitmap));
  EXPECT_EQ(Stored("OnBitmap"), 1);
  Command(IDM_USEBITMAP);
  EXPECT_EQ(Stored("OnBitmap"), 0);
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

  Tick.FullRedrawPending = false;
  SendMessageA(Clock, WM_TIMECHANGE, 0, 0);
  EXPECT_TRUE(Tick.FullRedrawPending);
}

TEST_F(ClockWindowTest, FittingToTheTextKeepsTheCornerAndAllowsForTheCaption) {
  OpenClock(OnCaption);
  SetWindowPos(Clock, nullptr, 120, 90, 200, 100, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT text = {0, 0, 50, 20};
  FitWindowToText(Clock, text, true, true);
  RECT r = WindowRect(Clock);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 90);
  EXPECT_EQ(r.right - r.left, 82);
  EXPECT_EQ(r.bottom - r.top, 20 + CaptionHeight + 8);
  CloseClock();

  OpenClock(OnTransparent);
  HWND other = OtherWindow(true);
  FitWindowToText(Clock, text, true, true);
  r = WindowRect(Clock);
  EXPECT_EQ(r.right - r.left, 82);
  EXPECT_EQ(r.bottom - r.top, 20);
  EXPECT_TRUE(IsAbove(other, Clock));
}

TEST_F(ClockWindowTest, ExitDestroysTheWindowAndEndsTheLoop) {
  OpenClock(OnBorder);
  SetWindowPos(Clock, nullptr, 130, 140, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
  Command(IDM_EXIT);
  EXPECT_FALSE(IsWindow(Clock));
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(Stored("Left"), 130);
  EXPECT_EQ(Stored("Top"), 140);
}
