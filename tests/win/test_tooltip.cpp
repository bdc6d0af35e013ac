#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <cstring>
#include "res/resource.h"
#include "tests/win/ClockWindowFixture.h"
#include "timer/DateTitle.h"
#include "timer/TickState.h"

namespace {

int ToolCount() {
  return Tip->Handle ? static_cast<int>(SendMessageA(Tip->Handle, TTM_GETTOOLCOUNT, 0, 0)) : -1;
}

}  // namespace

TEST_F(ClockWindowTest, TooltipWithoutCaptionHasTheWholeClockAsItsOneTool) {
  OpenClock(OnBorder, true);
  ASSERT_NE(Tip->Handle, nullptr);
  char cls[32];
  GetClassNameA(Tip->Handle, cls, sizeof cls);
  EXPECT_STREQ(cls, TOOLTIPS_CLASSA);
  EXPECT_NE(GetWindowLongA(Tip->Handle, GWL_STYLE) & TTS_ALWAYSTIP, 0);
  EXPECT_NE(GetWindowLongA(Tip->Handle, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  ASSERT_EQ(ToolCount(), 1);
  EXPECT_TRUE(Tip->ToolActive);

  char text[80] = "";
  TOOLINFOA info = {};
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.lpszText = text;
  ASSERT_TRUE(SendMessageA(Tip->Handle, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), UINT(TTF_IDISHWND | TTF_SUBCLASS));
  EXPECT_EQ(info.hwnd, Clock);
  EXPECT_EQ(info.uId, reinterpret_cast<UINT_PTR>(Clock));
  EXPECT_EQ(info.lpszText, LPSTR_TEXTCALLBACKA);
}

TEST_F(ClockWindowTest, CaptionTakesTheToolAwayAndGivesItBackOnTheSameWindow) {
  OpenClock(OnBorder, true);
  HWND tip = Tip->Handle;
  ASSERT_EQ(ToolCount(), 1);
  Command(IDM_CAPTION);
  EXPECT_EQ(Tip->Handle, tip);
  EXPECT_EQ(ToolCount(), 0);
  SendMessageA(Clock, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(Tip->Handle, tip);
  EXPECT_EQ(ToolCount(), 1);
}

TEST_F(ClockWindowTest, TooltipSwitchKeepsTheWindowAndWritesOnToolTip) {
  OpenClock(OnBorder, true);
  HWND tip = Tip->Handle;
  Command(IDM_TOOLTIP);
  EXPECT_FALSE(App->OnToolTip);
  EXPECT_EQ(Stored("OnToolTip"), 0);
  EXPECT_EQ(Tip->Handle, tip);
  EXPECT_EQ(ToolCount(), 0);
  Command(IDM_TOOLTIP);
  EXPECT_EQ(Stored("OnToolTip"), 1);
  EXPECT_EQ(Tip->Handle, tip);
  EXPECT_EQ(ToolCount(), 1);
}

TEST_F(ClockWindowTest, TooltipSwitchedOnUnderACaptionWaitsForTheCaptionToGo) {
  OpenClock(OnCaption, false);
  EXPECT_EQ(Tip->Handle, nullptr);
  Command(IDM_TOOLTIP);
  EXPECT_EQ(Stored("OnToolTip"), 1);
  EXPECT_EQ(Tip->Handle, nullptr) << "the title shows the date while the caption is there";
  Command(IDM_CAPTION);
  ASSERT_NE(Tip->Handle, nullptr);
  EXPECT_EQ(ToolCount(), 1);
  HWND tip = Tip->Handle;
  Command(IDM_CAPTION);
  Command(IDM_CAPTION);
  EXPECT_EQ(Tip->Handle, tip);
  EXPECT_EQ(ToolCount(), 1);
}

TEST_F(ClockWindowTest, TooltipAsksTheClockForTheDateText) {
  OpenClock(OnBorder, true);
  Tick.TickTime = SystemTimeOf(2002, 3, 14, 23, 59, 58, 4);
  // The clock is a Unicode window: the tooltip asks it in UTF-16.
  NMTTDISPINFOW info = {};
  info.hdr.hwndFrom = Tip->Handle;
  info.hdr.idFrom = reinterpret_cast<UINT_PTR>(Clock);
  info.hdr.code = TTN_NEEDTEXTW;
  info.hinst = GetModuleHandleA(nullptr);
  SendMessageW(Clock, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  ASSERT_NE(info.lpszText, nullptr);
  EXPECT_EQ(info.hinst, nullptr);
  EXPECT_STREQ(info.lpszText, L"2002年3月14日(木)") << "the date of the tick, no time";
}

TEST_F(ClockWindowTest, DestroyingTheTooltipClearsItsHandleOnce) {
  OpenClock(OnBorder, true);
  HWND tip = Tip->Handle;
  EXPECT_NE(Tip->DestroyTip(), 0);
  EXPECT_EQ(Tip->Handle, nullptr);
  EXPECT_FALSE(IsWindow(tip));
  EXPECT_EQ(Tip->DestroyTip(), 0);
  // A second creation makes a fresh window with its tool.
  Tip->CreateTip(App->TipToolWanted());
  EXPECT_NE(Tip->Handle, nullptr);
  EXPECT_EQ(ToolCount(), 1);
}
