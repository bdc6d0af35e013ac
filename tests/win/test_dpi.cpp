#include <windows.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <string>
#include "app/ClockSettings.h"
#include "app/DisplaySwitches.h"
#include "app/MonitorList.h"
#include "app/WindowDpi.h"
#include "app/WindowStyling.h"
#include "face/DigitalFace.h"
#include "res/resource.h"
#include "tests/win/ClockWindowFixture.h"
#include "tests/win/LayeredRecorder.h"

namespace {

int ScreenLogPixels() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

void ChangeDpi(HWND clock, int dpi, RECT suggested) {
  SendMessageA(clock, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace

TEST_F(ClockWindowTest, ADpiChangeTakesTheSuggestedRectangleAndScalesTheFontButNotItsStoredSize) {
  OpenClock(OnBorder);
  ASSERT_EQ(App->Dpi, ScreenLogPixels());
  ASSERT_EQ(App->Dpi, 96);   // the test prefix's scale, at which the design's figures hold
  EXPECT_EQ(App->Font.LogFont.lfHeight, 37);

  ChangeDpi(Clock, 144, RECT{200, 150, 374, 218});
  RECT r = WindowRectOf(Clock);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 150);
  EXPECT_EQ(r.right - r.left, 174);
  EXPECT_EQ(r.bottom - r.top, 68);
  EXPECT_EQ(App->Font.LogFont.lfHeight, 56);
  // The redraw has made the face's font afresh, at the new height.
  ASSERT_NE(App->Digital, nullptr);
  ASSERT_NE(App->Digital->TextFont, nullptr);
  EXPECT_EQ(App->Digital->FontSpec.lfHeight, 56);
  SaveFontSettings();
  EXPECT_EQ(Stored("FontSize"), 37);

  // The fit's margins of 32 and 8 are 96-DPI figures too, and the caption
  // it allows for is one at this scale, not the start's.
  FitWindowToText(Clock, RECT{0, 0, 100, 50}, true, true);
  EXPECT_EQ(WindowRectOf(Clock).right - WindowRectOf(Clock).left, 148);
  App->Flags.SetFlag(OnCaption, true);
  FitWindowToText(Clock, RECT{0, 0, 100, 50}, true, true);
  const int fitted = WindowRectOf(Clock).bottom - WindowRectOf(Clock).top;
  EXPECT_NEAR(fitted, 50 + CaptionHeight * 3 / 2 + 12, 1);
  App->Flags.SetFlag(OnCaption, false);

  ChangeDpi(Clock, 96, RECT{200, 150, 316, 195});
  EXPECT_EQ(App->Font.LogFont.lfHeight, 37);
  // A suggested rectangle past the screen's edge is moved back onto it.
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  ChangeDpi(Clock, 144, RECT{screenWidth - 100, 150, screenWidth + 74, 218});
  EXPECT_EQ(WindowRectOf(Clock).right, screenWidth);
}

// The floating digits show only the picture they are handed: a change of
// scale that keeps the window's size (no size message follows) must hand
// over a picture drawn with the new font.
TEST_F(ClockWindowTest, ADpiChangeHandsTheFloatingDigitsANewPictureEvenAtTheSameSize) {
  OpenClock(OnTransparent);
  ASSERT_TRUE(App->Flags.IsLayered());
  LayeredRecorder recorder;
  ASSERT_TRUE(recorder.Installed());
  ChangeDpi(Clock, 144, WindowRectOf(Clock));
  ASSERT_FALSE(recorder.Pictures.empty()) << "no picture after the change of scale";
  EXPECT_EQ(recorder.Pictures.back().Window, Clock);
  ChangeDpi(Clock, 96, WindowRectOf(Clock));
}

// The font dialog reckons in points at the screen's DPI. On a monitor of
// another scale the user still sees the point size chosen before, and a
// size chosen there is that size at the monitor's scale.
TEST_F(ClockWindowTest, TheFontDialogShowsAndGivesTheSamePointSizesAtEveryScale) {
  OpenClock(OnBorder);
  static std::string shown;
  const auto showThenChoose12 = [](HWND dialog) {
    char text[16] = "";
    GetDlgItemTextA(dialog, cmb3, text, sizeof text);
    shown = text;
    HWND sizes = GetDlgItem(dialog, cmb3);
    SendMessageA(sizes, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>("12"));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
    PressButton(dialog, IDOK);
  };
  ASSERT_NE(CommandAnsweredBy(IDM_FONT, showThenChoose12), "");
  const LONG at96 = App->Font.LogFont.lfHeight;
  ASSERT_NE(at96, 0);

  ChangeDpi(Clock, 144, WindowRectOf(Clock));
  ASSERT_NE(CommandAnsweredBy(IDM_FONT, showThenChoose12), "");
  EXPECT_EQ(shown, "12");
  EXPECT_EQ(App->Font.LogFont.lfHeight, DpiScale(144).FromScale(at96, DpiScale(96)));
  EXPECT_EQ(Stored("FontSize"), static_cast<long long>(static_cast<DWORD>(at96)));
  ChangeDpi(Clock, 96, WindowRectOf(Clock));
}

TEST(MonitorList, TheOneMonitorHereIsTheWholeScreen) {
  ScreenRect monitors[4];
  ASSERT_EQ(ListMonitors(monitors, 4), 1u);
  EXPECT_EQ(monitors[0].Left, 0);
  EXPECT_EQ(monitors[0].Top, 0);
  EXPECT_EQ(monitors[0].Right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(monitors[0].Bottom, GetSystemMetrics(SM_CYSCREEN));
}

// A clock left where no monitor is (its monitor switched off) has no task
// bar button to bring it back: a change of the desktop puts it back on one.
// A clock on a monitor stays where it is.
TEST_F(ClockWindowTest, ADesktopChangeBringsAClockWhereNoMonitorIsBackOntoOne) {
  OpenClock(OnBorder);
  const RECT start = WindowRectOf(Clock);
  const int width = start.right - start.left, height = start.bottom - start.top;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const struct { UINT Message; WPARAM Detail; } changes[] = {
      {WM_DISPLAYCHANGE, 32}, {WM_SETTINGCHANGE, SPI_SETWORKAREA}};
  for (const auto& change : changes) {
    SetWindowPos(Clock, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(Clock, change.Message, change.Detail, 0);
    RECT r = WindowRectOf(Clock);
    EXPECT_EQ(r.left, 40) << change.Message;
    EXPECT_EQ(r.top, 50) << change.Message;

    SetWindowPos(Clock, nullptr, -3000, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(WindowRectOf(Clock).left, -3000);
    SendMessageA(Clock, change.Message, change.Detail, 0);
    r = WindowRectOf(Clock);
    EXPECT_EQ(r.left, 0) << change.Message;
    EXPECT_EQ(r.top, 100) << change.Message;
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);

    SetWindowPos(Clock, nullptr, screenWidth + 500, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(Clock, change.Message, change.Detail, 0);
    EXPECT_EQ(WindowRectOf(Clock).right, screenWidth) << change.Message;
  }
}
