#include "units/tip/tip_properties.h"

#include <gtest/gtest.h>

#include <memory>

namespace lizhi::tip {
namespace {

const TipSystemColours kColours{0x00E1FFFF, 0x00000001};

TipProperties Defaults() { return DefaultTipProperties(kColours, "body {}"); }

TEST(TipBlock, NoBlockGivesTheDefaultsAndASavedBlockReadsBackInFieldOrder) {
  auto none = LoadTipBlock(nullptr, 0, Defaults());
  ASSERT_TRUE(none);
  EXPECT_EQ(none->backBegin, 0x00E1FFFF);
  EXPECT_EQ(none->borderColour, 1);
  EXPECT_EQ(none->direction, 9);
  EXPECT_EQ(none->styleSheet, "body {}");

  TipProperties p = Defaults();
  p.spareColour = 0x11;
  p.transparency = 42;
  p.keepOverTip = 1;
  p.tipIcons = {'M', 'I', 'T', 'L', 1, 2, 3, 4, 5};
  p.geometry = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  p.shadowBlurY = 3;
  p.styleSheet = "p {color:red}";
  std::vector<uint8_t> block = SaveTipBlock(p);
  // 4 version + 12 reserved + 16 colours: the spare colour is the 5th word.
  ASSERT_GT(block.size(), 20u);
  EXPECT_EQ(block[0], 1);
  EXPECT_EQ(block[16], 0x11);
  // keep-while-over-tip is the 16th word; HtmlImages is empty.
  EXPECT_EQ(block[15 * 4], 1);
  EXPECT_EQ(block.size(), 4u * (1 + 3 + 4 + 4 + 5 + 3 + 1 + 1 + 9 + 4 + 3 + 6 + 1) + 9 + 13);

  auto back = LoadTipBlock(block.data(), block.size(), TipProperties{});
  ASSERT_TRUE(back);
  EXPECT_EQ(SaveTipBlock(*back), block);
  EXPECT_EQ(back->tipIcons, p.tipIcons);
  EXPECT_EQ(back->geometry, p.geometry);
  EXPECT_EQ(back->styleSheet, "p {color:red}");
  EXPECT_EQ(ReadTipNumber(*back, kPropHideOnTipHover), 0);
}

TEST(TipBlock, NewerVersionsAndEveryShortenedBlockAreRefused) {
  std::vector<uint8_t> block = SaveTipBlock(Defaults());
  for (size_t length = 1; length < block.size(); ++length) {
    // A copy of exactly `length` bytes, so ASan sees any read past it.
    std::unique_ptr<uint8_t[]> copy(new uint8_t[length]);
    std::copy(block.begin(), block.begin() + static_cast<long>(length), copy.get());
    EXPECT_FALSE(LoadTipBlock(copy.get(), length, Defaults())) << "length " << length;
  }
  std::vector<uint8_t> newer = block;
  newer[0] = 2;
  EXPECT_FALSE(LoadTipBlock(newer.data(), newer.size(), Defaults()));
  // A strip count that claims more than the block holds.
  std::vector<uint8_t> lying = block;
  lying[4 * 20 + 3] = 0x7F;
  EXPECT_FALSE(LoadTipBlock(lying.data(), lying.size(), Defaults()));
}

TEST(TipPropertyTable, IndexesKindsAndWriteRules) {
  struct Case {
    int32_t index;
    TipValueKind kind;
  };
  const Case cases[] = {
      {12, TipValueKind::kNumber}, {19, TipValueKind::kNumber}, {22, TipValueKind::kBytes},
      {23, TipValueKind::kBytes},  {26, TipValueKind::kText},   {45, TipValueKind::kLogical},
      {50, TipValueKind::kNumber}, {58, TipValueKind::kNumber}, {75, TipValueKind::kNumber},
      {8, TipValueKind::kNone},    {20, TipValueKind::kNone},   {27, TipValueKind::kNone},
      {47, TipValueKind::kNone},   {59, TipValueKind::kNone},   {64, TipValueKind::kNone},
      {69, TipValueKind::kNone},   {76, TipValueKind::kNone},   {78, TipValueKind::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(KindOfTipProperty(c.index), c.kind) << c.index;

  TipProperties p = Defaults();
  EXPECT_TRUE(WriteTipNumber(p, kPropTransparency, 30));
  EXPECT_FALSE(WriteTipNumber(p, kPropTransparency, 150));
  EXPECT_FALSE(WriteTipNumber(p, kPropTransparency, -1));
  EXPECT_EQ(ReadTipNumber(p, kPropTransparency), 30);
  EXPECT_FALSE(WriteTipNumber(p, kPropShadowDarkness, 101));
  EXPECT_EQ(ReadTipNumber(p, kPropShadowDarkness), 60);

  EXPECT_TRUE(WriteTipNumber(p, kPropHideOnTipHover, 0));
  EXPECT_EQ(p.keepOverTip, 1);
  EXPECT_EQ(ReadTipNumber(p, kPropHideOnTipHover), 0);
  EXPECT_TRUE(WriteTipNumber(p, 52, 99));
  EXPECT_EQ(p.geometry[2], 99);
  EXPECT_FALSE(WriteTipNumber(p, 64, 1));
  EXPECT_FALSE(ReadTipNumber(p, 64));
}

}  // namespace
}  // namespace lizhi::tip
