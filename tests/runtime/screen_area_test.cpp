// DPI scaling and keeping boxes inside a monitor's work area, over monitors
// beside and above the primary one.
#include "runtime/base/screen_area.h"

#include <gtest/gtest.h>

namespace lizhi::screen {
namespace {

TEST(ScreenArea, ScalesFrom96DpiRoundingHalfAwayFromZero) {
  struct Row {
    int32_t length, dpi, want;
  };
  const Row rows[] = {{24, 96, 24},    {24, 120, 30}, {24, 144, 36}, {24, 192, 48}, {10, 120, 13},
                      {-10, 120, -13}, {65, 144, 98}, {20, 144, 30}, {7, 0, 7},     {2000000000, 192, 2147483647}};
  for (const Row& r : rows) EXPECT_EQ(Scale(r.length, r.dpi), r.want) << r.length << " at " << r.dpi;
}

TEST(ScreenArea, KeepsBoxesInsideTheWorkAreaOfEitherMonitor) {
  const Area primary{0, 0, 1920, 1040};      // taskbar below
  const Area right{1920, 0, 3200, 984};      // beside it
  const Area above{-200, -1080, 1720, -40};  // stacked above, taskbar at its bottom
  struct Row {
    Point wanted;
    int32_t width, height;
    Area area;
    Point want;
  };
  const Row rows[] = {
      {{100, 100}, 300, 36, primary, {100, 100}},     {{1800, 1030}, 300, 36, primary, {1620, 1004}},
      {{3100, 970}, 300, 36, right, {2900, 948}},     {{1900, 10}, 300, 36, right, {1920, 10}},
      {{-500, -1200}, 300, 36, above, {-200, -1080}}, {{1600, -60}, 300, 36, above, {1420, -76}},
      {{5, 5}, 5000, 36, right, {1920, 5}},  // wider than the area: its left edge
  };
  for (const Row& r : rows) {
    EXPECT_EQ(KeepInside(r.wanted, r.width, r.height, r.area), r.want) << r.wanted.x << "," << r.wanted.y;
  }
  EXPECT_TRUE(Contains(above, Point{-200, -1080}));
  EXPECT_FALSE(Contains(above, Point{1720, -500}));
  EXPECT_TRUE(Contains(primary, Area{0, 1000, 100, 1040}));
  EXPECT_FALSE(Contains(primary, Area{0, 1000, 100, 1041}));
}

}  // namespace
}  // namespace lizhi::screen
