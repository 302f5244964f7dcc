#include "units/tray/property_block.h"

#include <gtest/gtest.h>

#include <memory>

#include "units/tray/mouse_events.h"

namespace lizhi::tray {
namespace {

TEST(TrayIconBlock, NoBlockGivesTheDefaults) {
  auto properties = LoadTrayIconBlock(nullptr, 0);
  ASSERT_TRUE(properties);
  EXPECT_EQ(properties->version, 1);
  EXPECT_TRUE(properties->icon.empty());
  EXPECT_EQ(properties->tip, "");
  EXPECT_TRUE(properties->showInTray);
}

TEST(TrayIconBlock, SavedBlockHasTheDocumentedLayoutAndReadsBack) {
  TrayIconProperties p;
  p.icon = {0xAA, 0xBB};
  p.tip = "tip";
  p.showInTray = false;
  std::vector<uint8_t> block = SaveTrayIconBlock(p);
  std::vector<uint8_t> expected = {1, 2, 0, 0, 0, 0xAA, 0xBB, 3, 0, 0, 0, 't', 'i', 'p', 0};
  EXPECT_EQ(block, expected);

  auto back = LoadTrayIconBlock(block.data(), block.size());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->icon, p.icon);
  EXPECT_EQ(back->tip, "tip");
  EXPECT_FALSE(back->showInTray);
}

TEST(TrayIconBlock, NegativeLengthsMeanNone) {
  std::vector<uint8_t> block = {1, 0xFF, 0xFF, 0xFF, 0xFF, 0xF6, 0xFF, 0xFF, 0xFF, 1};
  auto p = LoadTrayIconBlock(block.data(), block.size());
  ASSERT_TRUE(p);
  EXPECT_TRUE(p->icon.empty());
  EXPECT_EQ(p->tip, "");
  EXPECT_TRUE(p->showInTray);
}

TEST(TrayIconBlock, EveryShortenedBlockIsRefusedWithoutReadingPastIt) {
  TrayIconProperties p;
  p.icon = {1, 2, 3, 4, 5};
  p.tip = "hello";
  std::vector<uint8_t> block = SaveTrayIconBlock(p);
  for (size_t length = 1; length < block.size(); ++length) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[length]);
    std::copy(block.begin(), block.begin() + static_cast<long>(length), copy.get());
    EXPECT_FALSE(LoadTrayIconBlock(copy.get(), length)) << "length " << length;
  }
  // A length that claims more than the block holds.
  std::vector<uint8_t> lying = {1, 0x00, 0x00, 0x00, 0x7F, 1, 2, 3};
  EXPECT_FALSE(LoadTrayIconBlock(lying.data(), lying.size()));
}

TEST(TrayIconEvents, ButtonReleasesFireAndPressesDoNot) {
  struct Case {
    uint32_t message;
    int32_t event;  // -1: none
  } cases[] = {
      {0x0201, -1},  // WM_LBUTTONDOWN
      {0x0204, -1},  // WM_RBUTTONDOWN
      {0x0206, -1},  // WM_RBUTTONDBLCLK
      {0x0207, -1},  // WM_MBUTTONDOWN
      {0x0202, kEventClick}, {0x0203, kEventDoubleClick}, {0x0205, kEventRightClick}, {0x0200, kEventMouseMove},
  };
  for (const Case& c : cases) {
    auto mapping = EventForMouseMessage(c.message);
    EXPECT_EQ(mapping ? mapping->eventIndex : -1, c.event) << std::hex << c.message;
    if (mapping) {
      EXPECT_EQ(mapping->withCursor, c.event == kEventMouseMove);
    }
  }
}

}  // namespace
}  // namespace lizhi::tray
