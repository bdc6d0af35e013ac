#include <gtest/gtest.h>
#include "app/rules/WindowLayout.h"
#include "face/rules/DisplayFlags.h"
#include "tests/host/FlagCombos.h"

TEST(DisplayFlags, SetFlagChangesOnlyItsBit) {
  DisplayFlags f;
  f.SetFlag(OnCaption | OnTop, true);
  f.SetFlag(OnTop, false);
  EXPECT_EQ(f.Bits, uint32_t(OnCaption));
  f.SetFlag(OnCaption, false);
  EXPECT_EQ(f.Bits, 0u);
}

// A caption, or no transparency, gives neither a round window nor floating
// digits; without them the transparent clock is one of the two, never both.
TEST(DisplayFlags, TransparentWithoutCaptionIsRoundWhenAnalogAndLayeredWhenDigital) {
  for (DisplayFlags f : AllFlagCombinations()) {
    SCOPED_TRACE(Describe(f));
    if (!f.Has(OnTransparent) || f.Has(OnCaption)) {
      EXPECT_FALSE(f.IsShaped() || f.IsLayered());
    } else {
      EXPECT_EQ(f.IsShaped(), f.Has(OnAnalog));
      EXPECT_NE(f.IsLayered(), f.IsShaped());
    }
  }
}

TEST(WindowStyles, CaptionAndBorderGiveTheFourStyleWords) {
  DisplayFlags f;
  EXPECT_EQ(StylesFor(f).Style, 0x90000000u);
  f.SetFlag(OnBorder, true);
  EXPECT_EQ(StylesFor(f).Style, 0x90040000u);
  f.SetFlag(OnCaption, true);
  EXPECT_EQ(StylesFor(f).Style, 0x90CC0000u);
  f.SetFlag(OnBorder, false);
  EXPECT_EQ(StylesFor(f).Style, 0x90C80000u);
}

TEST(WindowStyles, ExtendedStyleForEveryCombination) {
  for (DisplayFlags f : AllFlagCombinations()) {
    uint32_t ex = StylesFor(f).ExStyle;
    EXPECT_TRUE(ex & kExToolWindow) << "no taskbar button, flags " << f.Bits;
    EXPECT_EQ((ex & kExTopmost) != 0, f.Has(OnTop)) << f.Bits;
    // The transparent digital clock is layered: floating without a caption,
    // colour-keyed with one. Never click-through, or it could not be dragged.
    EXPECT_EQ((ex & kExLayered) != 0, f.IsTransparentDigital()) << f.Bits;
    EXPECT_EQ(ex & 0x20u, 0u) << "WS_EX_TRANSPARENT, flags " << f.Bits;
  }
}
