#include <gtest/gtest.h>
#include "app/rules/WindowLayout.h"

TEST(StartupClamp, TooSmallWindowGrowsTo16) {
  Placement p = ClampPlacement({100, 100, 5, 0}, 1024, 768);
  EXPECT_EQ(p.Width, 16);
  EXPECT_EQ(p.Height, 16);
}
