#include <gtest/gtest.h>
#include <climits>
#include <vector>
#include "app/rules/WindowLayout.h"

namespace {

struct ClampCase {
  const char* What;
  std::vector<ScreenRect> Monitors;
  Placement Stored;
  Placement Expected;
};

const std::vector<ScreenRect> kOneScreen = {{0, 0, 1024, 768}};
// A primary 1024 x 768, a 1280 x 1024 monitor left of it and one above it.
const std::vector<ScreenRect> kThree = {
    {0, 0, 1024, 768}, {-1280, -256, 0, 768}, {0, -1080, 1920, 0}};

const ClampCase kCases[] = {
    // One monitor: the clamp to the screen's size.
    {"too small a window grows to 16 x 16", kOneScreen, {100, 100, 5, 0}, {100, 100, 16, 16}},
    {"beyond the right and bottom edges comes back", kOneScreen, {2000, 760, 116, 45},
     {908, 723, 116, 45}},
    {"negative coordinates become 0", kOneScreen, {-1500, -50, 116, 45}, {0, 0, 116, 45}},
    {"wider than the screen starts at 0 and keeps its width", kOneScreen, {300, 10, 3000, 45},
     {0, 10, 3000, 45}},
    {"stored extremes do not wrap round", kOneScreen,
     {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {0, 0, INT_MAX, INT_MAX}},
    {"negative extremes give the smallest window at 0", kOneScreen,
     {INT_MIN, INT_MIN, INT_MIN, INT_MIN}, {0, 0, 16, 16}},
    {"a window that fits stays where it was", kOneScreen, {100, 100, 116, 45},
     {100, 100, 116, 45}},
    // Several monitors.
    {"kept on the monitor left of the primary", kThree, {-900, 300, 116, 45},
     {-900, 300, 116, 45}},
    {"kept on the monitor above the primary", kThree, {1500, -500, 116, 45},
     {1500, -500, 116, 45}},
    {"beyond the left monitor's left edge comes back onto it", kThree, {-1400, 700, 116, 45},
     {-1280, 700, 116, 45}},
    {"across two monitors goes to the one it overlaps most", kThree, {-30, 100, 116, 45},
     {0, 100, 116, 45}},
    {"across two monitors, mostly on the left one", kThree, {-90, 100, 116, 45},
     {-116, 100, 116, 45}},
    {"on a monitor right of the primary that is gone: onto the nearest", kThree,
     {1100, 500, 116, 45}, {908, 500, 116, 45}},
    {"below every monitor: onto the nearest", kThree, {-600, 2000, 116, 45},
     {-600, 723, 116, 45}},
    {"no monitor known: only the size is mended", {}, {-5000, 9000, 5, 116},
     {-5000, 9000, 16, 116}},
};

class StartupClamp : public testing::TestWithParam<ClampCase> {};

TEST_P(StartupClamp, KeepsTheWindowReachable) {
  const ClampCase& c = GetParam();
  Placement p = ClampPlacement(c.Stored, c.Monitors.data(), c.Monitors.size());
  EXPECT_EQ(p.Left, c.Expected.Left) << c.What;
  EXPECT_EQ(p.Top, c.Expected.Top) << c.What;
  EXPECT_EQ(p.Width, c.Expected.Width) << c.What;
  EXPECT_EQ(p.Height, c.Expected.Height) << c.What;
}

INSTANTIATE_TEST_SUITE_P(Placements, StartupClamp, testing::ValuesIn(kCases));

}  // namespace
