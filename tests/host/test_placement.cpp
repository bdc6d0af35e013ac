#include <gtest/gtest.h>
#include <climits>
#include "app/rules/WindowLayout.h"

TEST(StartupClamp, TooSmallWindowGrowsTo16By16) {
  Placement p = ClampPlacement({100, 100, 5, 0}, 1024, 768);
  EXPECT_EQ(p.Width, 16);
  EXPECT_EQ(p.Height, 16);
  EXPECT_EQ(p.Left, 100);
}

TEST(StartupClamp, WindowBeyondTheRightOrBottomEdgeComesBack) {
  Placement p = ClampPlacement({2000, 760, 116, 45}, 1024, 768);
  EXPECT_EQ(p.Left, 908);
  EXPECT_EQ(p.Top, 723);
}

TEST(StartupClamp, NegativeCoordinatesOfAnotherMonitorBecomeZero) {
  Placement p = ClampPlacement({-1500, -50, 116, 45}, 1024, 768);
  EXPECT_EQ(p.Left, 0);
  EXPECT_EQ(p.Top, 0);
}

TEST(StartupClamp, WindowWiderThanTheScreenStartsAtZeroAndKeepsItsWidth) {
  Placement p = ClampPlacement({300, 10, 3000, 45}, 1024, 768);
  EXPECT_EQ(p.Left, 0);
  EXPECT_EQ(p.Width, 3000);
}

TEST(StartupClamp, ExtremeStoredValuesDoNotWrapRound) {
  Placement p = ClampPlacement({INT_MAX, INT_MAX, INT_MAX, INT_MAX}, 1024, 768);
  EXPECT_EQ(p.Left, 0);
  EXPECT_EQ(p.Top, 0);
  p = ClampPlacement({INT_MIN, INT_MIN, INT_MIN, INT_MIN}, 1024, 768);
  EXPECT_EQ(p.Width, 16);
  EXPECT_EQ(p.Left, 0);
}

TEST(StartupClamp, AWindowThatFitsStaysWhereItWas) {
  Placement p = ClampPlacement({100, 100, 116, 45}, 1024, 768);
  EXPECT_EQ(p.Left, 100);
  EXPECT_EQ(p.Top, 100);
  EXPECT_EQ(p.Width, 116);
  EXPECT_EQ(p.Height, 45);
}
