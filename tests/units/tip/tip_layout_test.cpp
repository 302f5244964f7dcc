#include "units/tip/tip_layout.h"

#include <gtest/gtest.h>

namespace lizhi::tip {
namespace {

const TipRect kScreen{0, 0, 1024, 768};

// A 100 x 20 text with the balloon geometry: body 124 x 44, anchor 16 high.
TipLayout At(int32_t x, int32_t y, int32_t placement, int32_t shadowX = 0, int32_t shadowY = 0) {
  TipLayoutInput in;
  in.point = {x, y};
  in.contentWidth = 100;
  in.contentHeight = 20;
  in.placement = placement;
  in.screen = kScreen;
  in.shadowX = shadowX;
  in.shadowY = shadowY;
  return LayOutTip(in);
}

TEST(TipPlacement, DirectionMapsToPlacementCodes) {
  const int32_t expected[] = {0, 2, 1, 32, 34, 33, 48, 50, 49, 16, 18, 17};
  for (int32_t d = 0; d < 12; ++d) EXPECT_EQ(PlacementForDirection(d), expected[d]) << d;
  EXPECT_EQ(PlacementForDirection(12), 16);
  EXPECT_EQ(PlacementForDirection(-1), 16);
}

TEST(TipPlacement, FlipsAtTheScreenEdgesAndTheAnchorTouchesThePoint) {
  struct Case {
    int32_t x, y, placement, expected;
  };
  const Case cases[] = {
      {500, 400, 16, 16},   // room everywhere
      {1000, 758, 16, 17},  // near the bottom-right corner: above-left, anchor at the right end
      {500, 10, 16, 0},     // no room above: below the point
      {1000, 10, 16, 1},    // top-right corner
      {10, 400, 17, 16},    // no room to the left
      {500, 760, 0, 16},    // no room below
      {1000, 400, 32, 48},  // no room to the right of the point
      {10, 400, 48, 32},    // no room to the left of the point
      {500, 760, 32, 33},   // near the bottom: anchor near the lower end
      {500, 5, 49, 48},     // near the top: anchor near the upper end
  };
  for (const Case& c : cases) {
    TipLayout t = At(c.x, c.y, c.placement);
    EXPECT_EQ(t.placement, c.expected) << c.x << "," << c.y << " from " << c.placement;
    EXPECT_EQ(t.origin.x + t.anchor.x, c.x);
    EXPECT_EQ(t.origin.y + t.anchor.y, c.y);
    EXPECT_GE(t.origin.x, kScreen.left);
    EXPECT_LE(t.origin.x + t.window.width(), kScreen.right);
    EXPECT_GE(t.origin.y, kScreen.top);
    EXPECT_LE(t.origin.y + t.window.height(), kScreen.bottom);
  }
}

TEST(TipPlacement, NearTheBottomRightTheTipSitsAboveLeftWithTheAnchorAtTheRightEnd) {
  TipLayout t = At(1000, 758, 16);
  EXPECT_EQ(t.window, (TipRect{0, 0, 124, 60}));
  EXPECT_EQ(t.anchor, (TipPoint{124 - 16, 60}));
  EXPECT_EQ(t.origin, (TipPoint{1000 - 108, 758 - 60}));
}

TEST(TipPlacement, KeepOnScreenMovesTheTipButNotTheBase) {
  // Centred anchor at the left edge: the tip moves left, the base stays centred.
  TipLayout t = At(20, 400, 18);
  EXPECT_EQ(t.origin.x, 0);
  EXPECT_EQ(t.anchor.x, 20);
  EXPECT_EQ(t.triangle[1], (TipPoint{62 - 6, 44}));
  EXPECT_EQ(t.triangle[2], (TipPoint{62 + 6, 44}));
}

TEST(TipShape, BodyContentAndTriangleForEachAnchorSide) {
  struct Case {
    int32_t placement;
    TipRect window, body, content;
    TipPoint tip, base1, base2;
  };
  const Case cases[] = {
      {0, {0, 0, 124, 60}, {0, 16, 124, 60}, {12, 28, 112, 48}, {16, 0}, {16, 16}, {28, 16}},
      {17, {0, 0, 124, 60}, {0, 0, 124, 44}, {12, 12, 112, 32}, {108, 60}, {96, 44}, {108, 44}},
      {34, {0, 0, 140, 44}, {16, 0, 140, 44}, {28, 12, 128, 32}, {0, 22}, {16, 16}, {16, 28}},
      {49, {0, 0, 140, 44}, {0, 0, 124, 44}, {12, 12, 112, 32}, {140, 28}, {124, 16}, {124, 28}},
  };
  for (const Case& c : cases) {
    TipLayout t = At(500, 400, c.placement, 5, 3);
    ASSERT_EQ(t.placement, c.placement);
    EXPECT_EQ(t.window, c.window) << c.placement;
    EXPECT_EQ(t.body, c.body) << c.placement;
    EXPECT_EQ(t.content, c.content) << c.placement;
    ASSERT_TRUE(t.hasTriangle);
    EXPECT_EQ(t.triangle[0], c.tip) << c.placement;
    EXPECT_EQ(t.triangle[1], c.base1) << c.placement;
    EXPECT_EQ(t.triangle[2], c.base2) << c.placement;
    EXPECT_EQ(t.corner, (TipPoint{16, 16}));
    // The shadow copy grows the window by its offset.
    EXPECT_EQ(t.shadow, (TipPoint{5, 3}));
    EXPECT_EQ(t.windowWidth, c.window.width() + 5);
    EXPECT_EQ(t.windowHeight, c.window.height() + 3);
  }
  TipLayoutInput plain;
  plain.geometry = {0, 0, 3, 1, 0, 0, 0, 0, 0};
  plain.contentWidth = 10;
  plain.contentHeight = 10;
  plain.screen = kScreen;
  plain.point = {500, 400};
  EXPECT_FALSE(LayOutTip(plain).hasTriangle);
}

TEST(TipPlacement, GeometryScalesWithTheMonitorsDpi) {
  EXPECT_EQ(ScaleGeometry(kBalloonGeometry, 96), kBalloonGeometry);
  EXPECT_EQ(ScaleGeometry(kBalloonGeometry, 144), (TipGeometry{24, 24, 18, 18, 18, 24, 24, 0, 0}));
  EXPECT_EQ(ScaleGeometry(kBalloonGeometry, 120), (TipGeometry{20, 20, 15, 15, 15, 20, 20, 0, 0}));
}

}  // namespace
}  // namespace lizhi::tip
