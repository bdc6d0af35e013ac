#include <windows.h>
#include <gtest/gtest.h>
#include <functional>
#include <vector>
#include "app/ClockScale.h"
#include "app/ClockTick.h"
#include "app/MouseDrag.h"
#include "tests/win/ClockWindowFixture.h"

namespace {

// Presses the left button 10 pixels inside the window's top-left corner,
// cursor and message alike; gives the press point.
POINT PressInside(HWND clock, const RECT& window) {
  POINT press = {window.left + 10, window.top + 10};
  SetCursorPos(press.x, press.y);
  SendMessageA(clock, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  return press;
}

// Puts the cursor at an offset from the press point and reports the move.
void MoveTo(HWND clock, POINT start, int dx, int dy) {
  SetCursorPos(start.x + dx, start.y + dy);
  SendMessageA(clock, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10 + dx, 10 + dy));
}

// The screen's pixels along a row, as the whole-screen context reads them.
std::vector<COLORREF> ScreenRow(int left, int y, int width) {
  std::vector<COLORREF> row;
  HDC screen = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  for (int x = left; x < left + width; ++x) row.push_back(GetPixel(screen, x, y));
  DeleteDC(screen);
  return row;
}

}  // namespace

TEST_F(ClockWindowTest, DragStartsOnlyBeyondFourPixelsAndDrawsTheBandWhereTheWindowWillGo) {
  OpenClock(OnBorder);
  RECT start = WindowRectOf(Clock);
  const POINT press = {start.left + 10, start.top + 10};
  auto at = [press](int dx, int dy) { return POINT{press.x + dx, press.y + dy}; };
  MouseDrag drag;
  EXPECT_FALSE(drag.BeginDrag(Clock, 0, press));
  EXPECT_FALSE(drag.Pressed()) << "a press without the left button is none";
  ASSERT_TRUE(drag.BeginDrag(Clock, MK_LBUTTON, press));
  EXPECT_TRUE(Tick.Held());
  EXPECT_FALSE(drag.TrackDrag(GetDesktopWindow(), MK_LBUTTON, at(30, 0), ClockScale()))
      << "only the pressed window drags";
  drag.EndDrag(GetDesktopWindow(), App->Flags);
  EXPECT_TRUE(drag.Pressed()) << "only the pressed window's release ends the press";

  for (POINT d : {POINT{4, 4}, POINT{-4, 4}, POINT{-4, -4}, POINT{0, 4}}) {
    EXPECT_FALSE(drag.TrackDrag(Clock, MK_LBUTTON, at(d.x, d.y), ClockScale()))
        << d.x << "," << d.y;
    EXPECT_EQ(GetCapture(), Clock) << "captured at the press, so the release always comes back";
    EXPECT_FALSE(drag.BandShown);
  }

  ASSERT_TRUE(drag.TrackDrag(Clock, MK_LBUTTON, at(5, 0), ClockScale()));
  EXPECT_EQ(GetCapture(), Clock);
  EXPECT_TRUE(drag.BandShown);
  RECT band = start;
  OffsetRect(&band, 5, 0);
  EXPECT_TRUE(EqualRect(&drag.Band, &band));

  EXPECT_TRUE(drag.TrackDrag(Clock, MK_LBUTTON, at(30, 30), ClockScale()));
  drag.EndDrag(Clock, App->Flags);
  EXPECT_FALSE(drag.Pressed());
  EXPECT_FALSE(Tick.Held());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(drag.BandShown);
  RECT moved = WindowRectOf(Clock);
  EXPECT_EQ(moved.left, start.left + 30);
  EXPECT_EQ(moved.top, start.top + 30);
  EXPECT_EQ(moved.right - moved.left, start.right - start.left);

  // At 150 % the dead zone is 6 pixels.
  App->Dpi = 144;
  ASSERT_TRUE(drag.BeginDrag(Clock, MK_LBUTTON, press));
  EXPECT_FALSE(drag.TrackDrag(Clock, MK_LBUTTON, at(0, -6), ClockScale()));
  EXPECT_TRUE(drag.TrackDrag(Clock, MK_LBUTTON, at(0, -7), ClockScale()));
  drag.EndDrag(Clock, App->Flags);
}

TEST_F(ClockWindowTest, PressWithSmallMovesThroughTheWindowMovesNothingAndResumesTheTick) {
  OpenClock(OnBorder);
  RECT start = WindowRectOf(Clock);
  PressInside(Clock, start);
  // A second press without a release between: the first press ends, its
  // hold with it, or the tick would stay held after the release below.
  POINT press = PressInside(Clock, start);
  EXPECT_TRUE(App->Drag.Pressed());
  EXPECT_TRUE(Tick.Held());
  MoveTo(Clock, press, 3, -4);
  MoveTo(Clock, press, 4, 4);
  SendMessageA(Clock, WM_LBUTTONUP, 0, MAKELPARAM(14, 14));
  EXPECT_FALSE(App->Drag.Pressed());
  EXPECT_FALSE(Tick.Held());
  RECT now = WindowRectOf(Clock);
  EXPECT_TRUE(EqualRect(&start, &now));
  EXPECT_EQ(Stored("Left"), -1) << "nothing is saved when a drag ends";
}

// The positions are the messages' own: a clock that was busy handles its
// press and moves late, when the cursor has long gone on (here: to the
// screen's corner), and the drag is still the one the hand made.
TEST_F(ClockWindowTest, DragThroughTheWindowMovesItByTheWayOfItsMessagesWhereverTheCursorIsNow) {
  OpenClock(OnBorder);
  RECT start = WindowRectOf(Clock);
  PressInside(Clock, start);
  SetCursorPos(0, 0);
  for (int step = 1; step <= 6; ++step) {
    SendMessageA(Clock, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10 + 5 * step, 10 - 3 * step));
    SetCursorPos(0, 0);
  }
  SendMessageA(Clock, WM_LBUTTONUP, 0, MAKELPARAM(40, -8));
  RECT now = WindowRectOf(Clock);
  EXPECT_EQ(now.left, start.left + 30);
  EXPECT_EQ(now.top, start.top - 18);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ClockWindowTest, TransparentDigitalClockReappearsAtTheBottomWhereItWasDropped) {
  OpenClock(OnTransparent);
  HWND other = OtherWindow(true);
  SetWindowPos(Clock, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  ASSERT_TRUE(IsAbove(Clock, other));
  RECT start = WindowRectOf(Clock);
  POINT press = PressInside(Clock, start);
  MoveTo(Clock, press, 20, 40);
  SendMessageA(Clock, WM_LBUTTONUP, 0, 0);
  RECT now = WindowRectOf(Clock);
  EXPECT_EQ(now.left, start.left + 20);
  EXPECT_EQ(now.top, start.top + 40);
  EXPECT_TRUE(IsWindowVisible(Clock));
  EXPECT_TRUE(AtTheBottom());
}

TEST_F(ClockWindowTest, ACaptureLostMidDragErasesTheBandLeavesTheWindowAndFreesTheTick) {
  OpenClock(OnBorder);
  HWND other = OtherWindow(false);
  const std::function<void()> takeAways[] = {[] { ReleaseCapture(); },
                                             [other] { SetCapture(other); }};
  for (const auto& takeAway : takeAways) {
    RECT start = WindowRectOf(Clock);
    // The band's bottom edge, 30 pixels below the window's: clear of the clock.
    const int bandBottom = start.bottom + 30 - 1;
    const int width = start.right - start.left;
    const std::vector<COLORREF> before = ScreenRow(start.left + 20, bandBottom, width);
    POINT press = PressInside(Clock, start);
    MoveTo(Clock, press, 20, 30);
    ASSERT_TRUE(App->Drag.Pressed());
    ASSERT_TRUE(App->Drag.BandShown);
    EXPECT_NE(ScreenRow(start.left + 20, bandBottom, width), before) << "the band is drawn";

    takeAway();
    EXPECT_EQ(ScreenRow(start.left + 20, bandBottom, width), before) << "the band is gone";
    EXPECT_FALSE(App->Drag.Pressed());
    EXPECT_FALSE(Tick.Held());
    RECT now = WindowRectOf(Clock);
    EXPECT_TRUE(EqualRect(&start, &now));
    ReleaseCapture();

    SYSTEMTIME later = Tick.TickTime;
    later.wMinute = WORD((later.wMinute + 1) % 60);
    ClockTickAt(Clock, later);
    EXPECT_EQ(Tick.TickTime.wMinute, later.wMinute) << "the next tick is processed";
  }
}
