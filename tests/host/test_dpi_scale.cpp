#include <gtest/gtest.h>
#include "face/rules/DpiScale.h"

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
