#include <gtest/gtest.h>

#include "runtime/input_box/input_box.h"
#include "runtime/input_box/input_box_layout.h"

namespace lizhi {
namespace {

TEST(InputBoxRules, TypingFilterByMode) {
  const unsigned kLeadByte = 0xB0;
  for (int32_t mode : {1, 4}) {
    for (unsigned ch : {unsigned{'a'}, unsigned{'.'}, unsigned{'-'}, unsigned{'5'}, kLeadByte})
      EXPECT_TRUE(rt::AcceptsTypedChar(mode, ch)) << mode << " " << ch;
  }
  for (unsigned ch : {unsigned{'0'}, unsigned{'9'}, unsigned{'-'}}) EXPECT_TRUE(rt::AcceptsTypedChar(2, ch));
  for (unsigned ch : {unsigned{'.'}, unsigned{'a'}, unsigned{'+'}, unsigned{' '}, kLeadByte})
    EXPECT_FALSE(rt::AcceptsTypedChar(2, ch)) << ch;
  for (unsigned ch : {unsigned{'0'}, unsigned{'-'}, unsigned{'.'}}) EXPECT_TRUE(rt::AcceptsTypedChar(3, ch));
  for (unsigned ch : {unsigned{'e'}, unsigned{','}}) EXPECT_FALSE(rt::AcceptsTypedChar(3, ch));
  for (unsigned control : {8u, 3u, 22u, 13u}) EXPECT_TRUE(rt::AcceptsTypedChar(2, control));  // Backspace, copy, paste
}

TEST(InputBoxRules, ModeIsClamped) {
  EXPECT_EQ(rt::ClampInputMode(0), 1);
  EXPECT_EQ(rt::ClampInputMode(-5), 1);
  EXPECT_EQ(rt::ClampInputMode(3), 3);
  EXPECT_EQ(rt::ClampInputMode(5), 4);
}

TEST(InputBoxRules, LayoutsFitTheirDialogs) {
  const rt::InputBoxLayout& tall = rt::LayoutFor(true);
  const rt::InputBoxLayout& shorter = rt::LayoutFor(false);
  EXPECT_EQ(tall.width, 252);
  EXPECT_EQ(tall.height, 92);
  EXPECT_EQ(shorter.width, 214);
  EXPECT_EQ(shorter.height, 56);
  for (const auto* layout : {&tall, &shorter}) {
    int buttons = 0, edits = 0;
    for (size_t i = 0; i < layout->itemCount; ++i) {
      const rt::InputBoxItem& item = layout->items[i];
      EXPECT_LE(item.x + item.cx, layout->width);
      EXPECT_LE(item.y + item.cy, layout->height);
      if (item.role == rt::InputBoxRole::kConfirm || item.role == rt::InputBoxRole::kCancel) {
        ++buttons;
        EXPECT_EQ(item.cx, 55);
        EXPECT_EQ(item.cy, 19);
        EXPECT_EQ(item.y, layout == &tall ? 66 : 30);
      }
      if (item.role == rt::InputBoxRole::kEdit) ++edits;
    }
    EXPECT_EQ(buttons, 2);
    EXPECT_EQ(edits, 1);
  }
}

}  // namespace
}  // namespace lizhi
