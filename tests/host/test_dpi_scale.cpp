#include <gtest/gtest.h>
#include <cstdlib>
#include "app/rules/WindowLayout.h"
#include "face/rules/FontHeight.h"

TEST(DpiScale, DesignFiguresAtCommonScales) {
  // The default window, 116 x 45, and the default font height at 100 to 200 %.
  EXPECT_EQ(DpiScale(96).ToPixels(116), 116);
  EXPECT_EQ(DpiScale(120).ToPixels(116), 145);
  EXPECT_EQ(DpiScale(144).ToPixels(116), 174);
  EXPECT_EQ(DpiScale(144).ToPixels(45), 68);   // 67.5, rounded as MulDiv does
  EXPECT_EQ(DpiScale(192).ToPixels(45), 90);
  EXPECT_EQ(DpiScale(144).ToPixels(-37), -56);  // a font height as the dialog leaves it
  EXPECT_EQ(DpiScale(0).ToPixels(37), 37);
}

TEST(DpiScale, StoredSizesRoundTripAtEveryCommonScale) {
  for (int dpi : {96, 120, 144, 192}) {
    DpiScale scale(dpi);
    for (int figure = -300; figure <= 300; ++figure)
      ASSERT_EQ(scale.ToFigure(scale.ToPixels(figure)), figure) << "at " << dpi << " DPI";
  }
}

// A font chosen in the font dialog at any scale (the dialog's height for a
// point size, -MulDiv(points, dpi, 72)) comes back at the same height after
// a restart on the same display; FontSize stays its 96-DPI figure, and an
// older form's FontSize, written without the pixels, is what is read.
TEST(DpiScale, EveryPointSizeComesBackAtItsHeightAtEveryCommonScale) {
  for (int dpi : {96, 120, 144, 192}) {
    for (int points = kSmallestFontPoints; points <= kLargestFontPoints; ++points) {
      const int pixels = -MulDivRounded(points, dpi, 72);
      const StoredFontHeight stored = StoreFontHeight(pixels, dpi);
      EXPECT_EQ(LoadFontHeight(stored, dpi), pixels) << points << " pt at " << dpi << " DPI";
      EXPECT_EQ(stored.Figure, DpiScale(dpi).ToFigure(pixels));
      const int32_t rewritten = stored.Figure + (points == kLargestFontPoints ? 1 : -1);
      EXPECT_EQ(LoadFontHeight({rewritten, stored.Pixels, stored.Dpi}, dpi),
                DpiScale(dpi).ToPixels(rewritten))
          << "a FontSize rewritten by an older form";
      EXPECT_EQ(LoadFontHeight(stored, 2 * dpi), DpiScale(2 * dpi).ToPixels(stored.Figure))
          << "on a display of another scale";
    }
  }
  EXPECT_EQ(LoadFontHeight({-37, 0, 0}, 144), -56) << "FontSize alone, as older settings hold it";
}

// The window's place: stored 100, 100, 116 x 45 opens at 150, 150,
// 174 x 68 at 144 DPI, a move of 30 pixels is stored as 20; pixels taken to
// the stored figures and back come within a pixel, and the next round trip
// leaves them where they are.
TEST(DpiScale, ThePlacementRoundTripsAtEveryCommonScale) {
  const Placement opened = PlacementInPixels({100, 100, 116, 45}, 144, 144);
  EXPECT_EQ(opened.Left, 150);
  EXPECT_EQ(opened.Top, 150);
  EXPECT_EQ(opened.Width, 174);
  EXPECT_EQ(opened.Height, 68);
  EXPECT_EQ(PlacementAsStored({opened.Left + 30, opened.Top, 174, 68}, 144, 144).Left, 120);
  EXPECT_EQ(PlacementAsStored({-300, 7, 5, 1000}, 96, 96).Left, -300) << "96 DPI: as they are";
  for (int dpi : {96, 120, 144, 192}) {
    for (int pixels = -400; pixels <= 400; ++pixels) {
      const Placement p = {pixels, pixels, pixels, pixels};
      const Placement once = PlacementInPixels(PlacementAsStored(p, dpi, dpi), dpi, dpi);
      ASSERT_LE(std::abs(once.Left - pixels), 1) << pixels << " at " << dpi << " DPI";
      ASSERT_LE(std::abs(once.Height - pixels), 1) << pixels << " at " << dpi << " DPI";
      const Placement twice = PlacementInPixels(PlacementAsStored(once, dpi, dpi), dpi, dpi);
      ASSERT_EQ(twice.Left, once.Left) << pixels << " at " << dpi << " DPI";
      ASSERT_EQ(twice.Width, once.Width) << pixels << " at " << dpi << " DPI";
    }
  }
  // The place follows the system's scale, the size the window's monitor.
  const Placement mixed = PlacementInPixels({100, 100, 116, 45}, 96, 192);
  EXPECT_EQ(mixed.Left, 100);
  EXPECT_EQ(mixed.Width, 232);
}

TEST(DpiScale, MovingBetweenScalesBackAndForthDoesNotDrift) {
  DpiScale at96(96), at144(144), at120(120);
  int pixels = at144.ToPixels(37);
  for (int i = 0; i < 5; ++i) pixels = at144.FromScale(at120.FromScale(pixels, at144), at120);
  EXPECT_EQ(pixels, 56);
  EXPECT_EQ(at96.FromScale(pixels, at144), 37);
}

TEST(DpiScale, MulDivRoundsHalvesAwayFromZeroAndStaysWithin32Bits) {
  EXPECT_EQ(MulDivRounded(1, 3, 2), 2);
  EXPECT_EQ(MulDivRounded(-1, 3, 2), -2);
  EXPECT_EQ(MulDivRounded(5, 1, -2), -3);
  EXPECT_EQ(MulDivRounded(INT32_MAX, 2, 1), INT32_MAX);
  EXPECT_EQ(MulDivRounded(INT32_MIN, 2, 1), INT32_MIN);
  EXPECT_EQ(MulDivRounded(7, 1, 0), 0);
}
