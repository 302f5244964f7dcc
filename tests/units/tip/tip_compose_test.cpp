#include "units/tip/tip_compose.h"

#include <gtest/gtest.h>

namespace lizhi::tip {
namespace {

TEST(TipShadow, GreyLevelsAndOddBlurSizes) {
  EXPECT_EQ(ShadowGrey(60, 0), 102);
  EXPECT_EQ(ShadowGrey(60, 100), 255);
  EXPECT_EQ(ShadowGrey(50, 50), 127 + (255 - 127) * 50 / 100);
  EXPECT_EQ(ShadowGrey(0, 0), 255);
  EXPECT_EQ(OddBlurSize(7), 7);
  EXPECT_EQ(OddBlurSize(6), 7);
  EXPECT_EQ(OddBlurSize(0), 1);
}

TEST(TipShadow, BoxBlurKeepsFlatAreasAndSoftensEdgesSymmetrically) {
  const int32_t w = 20, h = 10;
  std::vector<uint8_t> c(static_cast<size_t>(w * h), 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 10; x < w; ++x) c[static_cast<size_t>(y * w + x)] = 255;
  BoxBlur(c, w, h, 5, 1);
  const uint8_t* row = &c[5 * w];
  EXPECT_EQ(row[0], 0);
  EXPECT_EQ(row[7], 0);
  EXPECT_EQ(row[8], 51);    // one of five covered
  EXPECT_EQ(row[10], 153);  // three of five
  EXPECT_EQ(row[12], 255);
  EXPECT_EQ(row[w - 1], 153);  // beyond the edge counts as 0
  EXPECT_EQ(Shifted(std::vector<uint8_t>{1, 2, 3, 4}, 2, 2, 1, 1), (std::vector<uint8_t>{0, 0, 0, 1}));
}

TEST(TipShadow, ComposeDarkensBeneathTheShadowAndBlendsTheContentInsideTheShape) {
  const uint32_t snapshot[3] = {0x00C8C8C8, 0x00C8C8C8, 0x00C8C8C8};
  const uint32_t content[3] = {0x00FF0000, 0x00FF0000, 0x00FF0000};
  const uint8_t shape[3] = {0, 0, 255};
  const uint8_t shadow[3] = {0, 255, 255};
  uint32_t out[3];
  ComposeInput in{snapshot, content, shape, shadow, 3, 102, 0};
  Compose(in, out);
  EXPECT_EQ(out[0], 0x00C8C8C8u);
  EXPECT_EQ(out[1], 0x00505050u);  // 200 * 102 / 255
  EXPECT_EQ(out[2], 0x00FF0000u);
  in.transparency = 50;
  Compose(in, out);
  EXPECT_EQ(out[2], 0x00A72828u);  // half content, half the shaded screen
}

}  // namespace
}  // namespace lizhi::tip
