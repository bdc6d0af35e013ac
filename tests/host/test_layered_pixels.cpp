#include <gtest/gtest.h>
#include "face/rules/LayeredPixels.h"

TEST(LayeredPixels, UncoveredPixelsAreAlmostInvisibleButNotClickThrough) {
  EXPECT_EQ(LayeredPixel(0, 0x000000FF), 0x01000000u);
  EXPECT_EQ(LayeredPixel(0, 0x00FFFFFF), kLayeredBackground);
}

TEST(LayeredPixels, CoveredPixelsCarryTheTextColourPremultipliedByTheirCoverage) {
  // Colour references are 0x00BBGGRR, the pixels 0xAARRGGBB.
  EXPECT_EQ(LayeredPixel(255, 0x000000FF), 0xFFFF0000u);
  EXPECT_EQ(LayeredPixel(255, 0x00336699), 0xFF996633u);
  EXPECT_EQ(LayeredPixel(128, 0x000000FF), 0x80800000u);
  EXPECT_EQ(LayeredPixel(1, 0x00FFFFFF), 0x01010101u);
  // No channel may exceed the alpha, or the blend would overflow.
  for (int a = 1; a < 256; ++a) {
    uint32_t p = LayeredPixel(uint8_t(a), 0x00FFFFFF);
    EXPECT_EQ(p, uint32_t(a) << 24 | uint32_t(a) << 16 | uint32_t(a) << 8 | uint32_t(a)) << a;
  }
}

TEST(LayeredPixels, CoverageIsTheBrightestChannelOfTheWhiteOnBlackText) {
  EXPECT_EQ(CoverageOf(0x00000000), 0);
  EXPECT_EQ(CoverageOf(0x00FFFFFF), 255);
  EXPECT_EQ(CoverageOf(0x00404040), 0x40);
  EXPECT_EQ(CoverageOf(0x00103020), 0x30);
  EXPECT_EQ(CoverageOf(0xFF000001), 1) << "the alpha byte that GDI leaves is no coverage";
}
