#include <windows.h>
#include <gtest/gtest.h>
#include <memory>
#include "app/ClockFaces.h"
#include "face/BackgroundImage.h"
#include "face/ClockPainter.h"
#include "face/rules/AnalogGeometry.h"
#include "tests/win/FaceTestSupport.h"
#include "tests/win/TestSupport.h"
#include "timer/TickState.h"

namespace {

const COLORREF kGrey = 0x00C0C0C0;
const COLORREF kNavy = 0x00800000;
const COLORREF kBlue = 0x00C00000;
const COLORREF kBlack = 0x00000000;
const COLORREF kUntouched = 0x00123456;   // what the bitmap holds before drawing

// An analog face on a hidden 108 x 108 window, drawing into a memory bitmap.
class AnalogPainting : public testing::Test {
protected:
  void SetUp() override {
    app->Font.SetBkColor(kGrey);
    app->Flags.SetFlag(OnAnalog, true);
    ASSERT_NE(window.get(), nullptr);
  }
  std::unique_ptr<ClockPainter> MakePainter(bool seconds) {
    app->Flags.SetFlag(OnSecond, seconds);
    return std::unique_ptr<ClockPainter>(new ClockPainter(
        window.get(), 108, 108, app->Font.BkColor(), seconds, app->Flags.IsShaped()));
  }
  static void Cycle(ClockPainter& painter, HDC surface, bool full) {
    painter.BeginDrawingOn(surface);
    painter.Draw(App->Scene(), full);
    painter.EndDrawing();
  }
  // A new painter, and the whole face it draws on `surface` at the given time.
  std::unique_ptr<ClockPainter> PaintWholeFace(MemorySurface& surface, bool seconds, int hour,
                                               int minute, int second) {
    auto painter = MakePainter(seconds);
    time.Set(hour, minute, second);
    Cycle(*painter, surface.dc(), true);
    return painter;
  }

  ScopedApp app;
  ScopedTickTime time;
  HiddenWindow window{108, 108};
};

TEST_F(AnalogPainting, TwelveMarksAreFilledNavySquaresWithABlackOutline) {
  MemorySurface s(108, 108, kUntouched);
  auto painter = PaintWholeFace(s, false, 0, 0, 0);

  const MarkRect quarters[] = {{53, 6, 56, 9}, {100, 53, 103, 56}, {53, 99, 56, 102},
                               {6, 53, 9, 56}};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(MarkRectAt(painter->Geometry(), 15 * i), quarters[i]) << "quarter " << i;

  for (int p = 0; p < 60; p += 5) {
    MarkRect m = MarkRectAt(painter->Geometry(), p);
    SCOPED_TRACE(testing::Message() << "mark at " << p);
    EXPECT_EQ(s.At(m.Left + 1, m.Top + 1), kNavy);
    EXPECT_EQ(s.At(m.Left, m.Top), kBlack);
    EXPECT_EQ(s.At(m.Right - 1, m.Bottom - 1), kBlack);
    // Nothing beyond the square but the face (or, at 3 o'clock, the rim).
    for (COLORREF c : {s.At(m.Left + 1, m.Top - 1), s.At(m.Left + 1, m.Bottom),
                       s.At(m.Left - 1, m.Top + 1), s.At(m.Right, m.Top + 1)})
      EXPECT_TRUE(c == kGrey || c == kUntouched) << std::hex << c;
  }
}

TEST_F(AnalogPainting, TheDiscFillsTheCircleOfRadius50AndNothingOutside) {
  MemorySurface s(108, 108, kUntouched);
  auto painter = PaintWholeFace(s, false, 0, 0, 0);
  EXPECT_EQ(s.At(54, 12), kGrey);
  EXPECT_EQ(s.At(20, 80), kGrey);
  EXPECT_EQ(s.At(54, 5), kGrey);     // just inside the top of the rim
  EXPECT_EQ(s.At(54, 3), kUntouched);
  EXPECT_EQ(s.At(10, 10), kUntouched);   // the corner beside the disc
  EXPECT_EQ(s.At(105, 54), kUntouched);
  EXPECT_EQ(s.At(0, 0), kUntouched);
}

TEST_F(AnalogPainting, HandsOfThreeOClockOnThe108Face) {
  MemorySurface s(108, 108, kUntouched);
  auto painter = PaintWholeFace(s, false, 3, 0, 0);
  // Minute hand: Tip (54, 15), sides (52, 54) and (57, 54), Tail (54, 61).
  EXPECT_EQ(s.At(54, 17), kNavy);
  EXPECT_EQ(s.At(54, 13), kGrey);
  EXPECT_EQ(s.At(54, 59), kNavy);
  EXPECT_EQ(s.At(54, 63), kGrey);
  // Hour hand: Tip (81, 54), sides (54, 51) and (54, 57), Tail (50, 54).
  EXPECT_EQ(s.At(79, 54), kBlue);
  EXPECT_EQ(s.At(83, 54), kGrey);
  EXPECT_EQ(s.At(70, 51), kGrey);   // outside the narrow shape
  // Where the two overlap the minute hand lies on top.
  EXPECT_EQ(s.At(55, 54), kNavy);
  EXPECT_EQ(s.At(55, 40), kNavy);
}

TEST_F(AnalogPainting, HourHandMovesOnWithTheMinutes) {
  MemorySurface s(108, 108, kUntouched);
  // Three steps past the 4 o'clock mark: position 23.
  auto painter = PaintWholeFace(s, false, 4, 40, 0);
  FacePoint onHand = PointAt(painter->Geometry(), 23, 15);
  FacePoint onTheHour = PointAt(painter->Geometry(), 20, 15);
  EXPECT_EQ(s.At(onHand.X, onHand.Y), kBlue);
  EXPECT_EQ(s.At(onTheHour.X, onTheHour.Y), kGrey);
}

TEST_F(AnalogPainting, SecondHandIsExclusiveOrRedOnGreyAndGreenOnNavy) {
  MemorySurface s(108, 108, kUntouched);
  // The second hand from (13, 54) to (68, 54), across the minute hand.
  auto painter = PaintWholeFace(s, true, 0, 15, 45);
  EXPECT_EQ(s.At(20, 54), 0x003F3FC0u);
  EXPECT_EQ(s.At(40, 54), 0x003F3FC0u);
  EXPECT_EQ(s.At(60, 54), 0x007FFF00u);
  EXPECT_EQ(s.At(20, 53), kGrey);
  EXPECT_EQ(s.At(10, 54), kGrey);
}

TEST_F(AnalogPainting, ASecondHandCycleChangesOnlyTheOldAndTheNewLine) {
  MemorySurface before(108, 108, kUntouched), after(108, 108, kUntouched);
  auto painter = PaintWholeFace(before, true, 4, 40, 10);
  Cycle(*painter, after.dc(), true);
  HandPoints oldLine = painter->LastSecondHand;

  time.Set(4, 40, 11);
  Cycle(*painter, after.dc(), false);
  HandPoints newLine = painter->LastSecondHand;

  // The lines themselves, drawn plainly on a blank bitmap.
  MemorySurface lines(108, 108, kUntouched);
  HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
  HGDIOBJ previous = SelectObject(lines.dc(), pen);
  for (const HandPoints& h : {oldLine, newLine}) {
    MoveToEx(lines.dc(), h.Tip.X, h.Tip.Y, nullptr);
    LineTo(lines.dc(), h.TailEnd.X, h.TailEnd.Y);
  }
  SelectObject(lines.dc(), previous);
  DeleteObject(pen);

  auto changed = before.DifferencesTo(after);
  EXPECT_GT(changed.size(), 40u);
  for (const auto& p : changed)
    EXPECT_EQ(lines.At(p.first, p.second), kBlack) << "stray pixel " << p.first << "," << p.second;

  // And the result is exactly a face freshly drawn at the new second.
  MemorySurface full(108, 108, kUntouched);
  auto fresh = PaintWholeFace(full, true, 4, 40, 11);
  EXPECT_TRUE(after.DifferencesTo(full).empty());
}

TEST_F(AnalogPainting, PenAndBrushOfTheSurfaceArePutBackAfterEveryCycle) {
  auto painter = MakePainter(true);
  MemorySurface s(108, 108, kUntouched);
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  HBRUSH brush = CreateSolidBrush(RGB(4, 5, 6));
  SelectObject(s.dc(), pen);
  SelectObject(s.dc(), brush);
  time.Set(10, 10, 10);
  for (bool full : {true, false, false, true}) {
    Cycle(*painter, s.dc(), full);
    EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_PEN), pen) << "full " << full;
    EXPECT_EQ(GetCurrentObject(s.dc(), OBJ_BRUSH), brush) << "full " << full;
    EXPECT_EQ(GetROP2(s.dc()), R2_COPYPEN);
    EXPECT_EQ(painter->SavedPen, nullptr);
    EXPECT_EQ(painter->SavedBrush, nullptr);
    EXPECT_EQ(painter->Surface, nullptr);
    time.Set(10, 10, 11);
  }
  SelectObject(s.dc(), GetStockObject(BLACK_PEN));
  SelectObject(s.dc(), GetStockObject(WHITE_BRUSH));
  DeleteObject(pen);
  DeleteObject(brush);
}

TEST_F(AnalogPainting, TheFirstCycleAfterConstructionDrawsTheWholeFace) {
  auto painter = MakePainter(true);
  time.Set(1, 2, 3);
  MemorySurface s(108, 108, kUntouched);
  Cycle(*painter, s.dc(), false);
  EXPECT_EQ(s.At(54, 12), kGrey);
  s.Fill(kUntouched);
  time.Set(1, 2, 4);
  Cycle(*painter, s.dc(), false);
  EXPECT_EQ(s.At(54, 12), kUntouched);   // now only the second hand
}

TEST_F(AnalogPainting, ANewFaceColourShowsOnlyAtTheNextFullRedraw) {
  MemorySurface s(108, 108, kUntouched);
  auto painter = PaintWholeFace(s, true, 2, 0, 30);
  HBRUSH oldBrush = painter->FaceBrush;
  painter->SetFaceColor(RGB(255, 255, 255));
  EXPECT_EQ(GetObjectType(oldBrush), 0u) << "the old face brush was not deleted";
  time.Set(2, 0, 31);
  Cycle(*painter, s.dc(), false);
  EXPECT_EQ(s.At(54, 80), kGrey);
  Cycle(*painter, s.dc(), true);
  EXPECT_EQ(s.At(54, 80), RGB(255, 255, 255));
}

TEST_F(AnalogPainting, APictureSwitchWithoutAPathStillDrawsTheDisc) {
  auto painter = MakePainter(false);
  time.Set(6, 0, 0);
  app->Flags.SetFlag(OnBitmap, true);
  MemorySurface s(108, 108, kUntouched);
  Cycle(*painter, s.dc(), true);
  EXPECT_EQ(s.At(30, 30), kGrey);
  // A path whose picture could not be read: no disc, no marks, only hands.
  lstrcpyW(app->Bitmap, L"C:\\nowhere\\missing.bmp");
  BackgroundImage* saved = Background;
  Background = nullptr;
  s.Fill(kUntouched);
  Cycle(*painter, s.dc(), true);
  Background = saved;
  EXPECT_EQ(s.At(30, 30), kUntouched);
  EXPECT_EQ(s.At(54, 7), kUntouched);   // where the 12 o'clock mark would be
  EXPECT_EQ(s.At(54, 20), kNavy);       // the minute hand
}

TEST_F(AnalogPainting, ThePainterDeletesItsBrushesAndPen) {
  auto painter = MakePainter(true);
  HGDIOBJ objects[] = {painter->FaceBrush, painter->MarkBrush, painter->HourBrush,
                       painter->SecondPen};
  for (HGDIOBJ o : objects) EXPECT_NE(GetObjectType(o), 0u);
  painter.reset();
  for (HGDIOBJ o : objects) EXPECT_EQ(GetObjectType(o), 0u);
}

// --- window shape ------------------------------------------------------------

static bool HasRegion(HWND window) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(window, rgn) != ERROR;
  DeleteObject(rgn);
  return has;
}

// The window's region is the ellipse of the given bounding box.
static bool HasDiscRegion(HWND window, int left, int top, int right, int bottom) {
  HRGN actual = CreateRectRgn(0, 0, 0, 0);
  HRGN expected = CreateEllipticRgn(left, top, right, bottom);
  HRGN difference = CreateRectRgn(0, 0, 0, 0);
  // Compared by area: the window may keep the same region in other strips.
  bool same = GetWindowRgn(window, actual) != ERROR &&
              CombineRgn(difference, actual, expected, RGN_XOR) == NULLREGION;
  DeleteObject(actual);
  DeleteObject(expected);
  DeleteObject(difference);
  return same;
}

TEST_F(AnalogPainting, TheTransparentAnalogWindowTakesTheRoundShapeOfItsDisc) {
  app->Flags.SetFlag(OnTransparent, true);
  Tick.MinuteChanged = Tick.FullRedrawPending = false;
  {
    TickHold sizing(Tick.Holds);
    CreateFace(window.get());
    EXPECT_TRUE(Tick.Held()) << "the shape update ends no interaction it is part of";
  }
  ClockPainter* painter = app->Analog;
  ASSERT_NE(painter, nullptr);
  EXPECT_FALSE(Tick.Held());
  EXPECT_TRUE(Tick.MinuteChanged);
  EXPECT_TRUE(Tick.FullRedrawPending);
  EXPECT_TRUE(HasDiscRegion(window.get(), 4, 4, 104, 104));
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  GetWindowRgn(window.get(), rgn);
  EXPECT_TRUE(PtInRegion(rgn, 54, 54));
  EXPECT_FALSE(PtInRegion(rgn, 10, 10));   // a click here reaches the window behind
  DeleteObject(rgn);

  ResizeAnalog(200, 100);
  EXPECT_EQ(painter->Radius, 46);
  EXPECT_EQ(painter->CenterX, 100);
  EXPECT_EQ(painter->CenterY, 50);
  EXPECT_TRUE(HasDiscRegion(window.get(), 54, 4, 146, 96));
}

TEST_F(AnalogPainting, TheWindowIsRectangularAgainWhenTheShapeNoLongerApplies) {
  app->Flags.SetFlag(OnTransparent, true);
  auto painter = MakePainter(false);
  ASSERT_TRUE(HasRegion(window.get()));
  app->Flags.SetFlag(OnCaption, true);
  painter->ApplyShape(app->Flags.IsShaped());
  EXPECT_FALSE(HasRegion(window.get()));
  EXPECT_EQ(painter->WindowRegion, nullptr);

  app->Flags.SetFlag(OnCaption, false);
  painter->ApplyShape(app->Flags.IsShaped());
  ASSERT_TRUE(HasRegion(window.get()));
  painter.reset();   // switching to the digital face
  EXPECT_FALSE(HasRegion(window.get()));
}

TEST_F(AnalogPainting, WithoutTheTransparentDisplayTheWindowKeepsItsRectangle) {
  auto painter = MakePainter(false);
  EXPECT_FALSE(HasRegion(window.get()));
  painter->Resize(150, 150, app->Flags.IsShaped());
  EXPECT_FALSE(HasRegion(window.get()));
}

}  // namespace
