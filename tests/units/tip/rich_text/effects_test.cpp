#include <gtest/gtest.h>

#include "units/tip/rich_text/background_effect.h"
#include "units/tip/rich_text/image_styles.h"

namespace lizhi::tip {
namespace {

TEST(RichTextEffects, GradientsAre64BandsWithSixFractionBits) {
  const Colour black = 0, white = 0xFFFFFF, red = Rgb(255, 0, 0);
  std::vector<Band> h = GradientBands({0, 0, 400, 120}, kEffectHGradient, black, red, white);
  ASSERT_EQ(h.size(), 64u);
  EXPECT_EQ(h[0], (Band{{0, 0, 6, 120}, 0}));
  EXPECT_EQ(h[1], (Band{{6, 0, 12, 120}, 0x030303}));  // 255 * 1 / 64 = 3.98, cut to 3
  EXPECT_EQ(h[63], (Band{{393, 0, 400, 120}, 0xFBFBFB}));
  // Falling ramps, halves and three colours.
  std::vector<Band> down = GradientBands({0, 0, 10, 640}, kEffectVGradient, white, red, black);
  EXPECT_EQ(down[1], (Band{{0, 10, 10, 20}, 0xFBFBFB}));
  std::vector<Band> centred = GradientBands({0, 0, 400, 120}, kEffectHCGradient, black, red, white);
  ASSERT_EQ(centred.size(), 128u);
  EXPECT_EQ(centred[64].rect.left, 200);
  EXPECT_EQ(centred[64].colour, white);
  std::vector<Band> three = GradientBands({0, 0, 30, 257}, kEffect3VGradient, black, red, white);
  EXPECT_EQ(three.front().colour, black);
  EXPECT_EQ(three[64].colour, red);
  EXPECT_EQ(three.back().rect.bottom, 257);
  // Narrow rectangles skip their empty bands; other effects have none.
  EXPECT_EQ(GradientBands({5, 5, 15, 25}, kEffectHGradient, black, red, white).size(), 10u);
  EXPECT_TRUE(GradientBands({0, 0, 10, 10}, kEffectSolid, black, red, white).empty());
  EXPECT_TRUE(GradientBands({0, 0, 10, 10}, kEffectNoise, black, red, white).empty());
}

TEST(RichTextEffects, PatternsAreDeterministicAndDistinct) {
  std::vector<std::vector<uint32_t>> seen;
  for (int effect = kEffectNoise; effect <= kEffectMetal; ++effect) {
    std::vector<uint32_t> a = PatternPixels(40, 30, effect, Rgb(10, 20, 200), Rgb(250, 250, 250), Rgb(200, 40, 40), 5);
    ASSERT_EQ(a.size(), 40u * 30) << effect;
    EXPECT_EQ(a, PatternPixels(40, 30, effect, Rgb(10, 20, 200), Rgb(250, 250, 250), Rgb(200, 40, 40), 5));
    for (const auto& other : seen) EXPECT_NE(a, other) << effect;
    seen.push_back(a);
  }
  EXPECT_TRUE(PatternPixels(40, 30, kEffectHGradient, 0, 0, 0, 5).empty());
  EXPECT_TRUE(PatternPixels(0, 30, kEffectNoise, 0, 0, 0, 5).empty());
  EXPECT_TRUE(PatternPixels(100000, 100000, kEffectMetal, 0, 0, 0, 5).empty());
  // Pixels are 0x00RRGGBB: a flat shade of pure red reads 0xFF0000.
  EXPECT_EQ(PatternPixels(3, 3, kEffectVShade, Rgb(255, 0, 0), Rgb(255, 0, 0), Rgb(255, 0, 0), 1)[4], 0xFF0000u);
}

TEST(RichTextEffects, ImageStylesSpareTheMaskColour) {
  const uint32_t mask = 0xFF00FF;
  std::vector<uint32_t> pixels = {0xFF0000, mask, 0x000000};
  ApplyImageStyle(pixels, "g", mask);
  EXPECT_EQ(pixels, (std::vector<uint32_t>{0x4C4C4C, mask, 0}));
  ApplyImageStyle(pixels, "l", mask);
  EXPECT_EQ(pixels, (std::vector<uint32_t>{0xA5A5A5, mask, 0x7F7F7F}));
  ApplyImageStyle(pixels, "sx", mask);
  EXPECT_EQ(pixels, (std::vector<uint32_t>{0x404040, mask, 0x404040}));
  pixels = {0x000000};
  ApplyImageStyle(pixels, "d", mask);
  EXPECT_EQ(pixels[0], 0x606060u);
}

}  // namespace
}  // namespace lizhi::tip
