#include "units/tray/icon_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "units/tray/probe_icon.h"

namespace lizhi::tray {
namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

struct Entry {
  uint8_t width;
  uint32_t imageBytes;  // 40-byte header plus filler
};

// An icon file with the given entries, images packed after the directory; each
// image starts with a bitmap header of its width, twice its width as height,
// and 4 bits per pixel.
std::vector<uint8_t> MakeIconFile(const std::vector<Entry>& entries, uint16_t type = 1) {
  size_t size = 6 + 16 * entries.size();
  for (const Entry& e : entries) size += e.imageBytes;
  std::vector<uint8_t> b(size, 0);
  Put16(b, 2, type);
  Put16(b, 4, static_cast<uint16_t>(entries.size()));
  size_t offset = 6 + 16 * entries.size();
  for (size_t i = 0; i < entries.size(); ++i) {
    size_t at = 6 + 16 * i;
    b[at] = entries[i].width;
    b[at + 1] = entries[i].width;
    Put32(b, at + 8, entries[i].imageBytes);
    Put32(b, at + 12, static_cast<uint32_t>(offset));
    Put32(b, offset, 40);
    Put32(b, offset + 4, entries[i].width);
    Put32(b, offset + 8, entries[i].width * 2u);
    Put16(b, offset + 14, 4);
    offset += entries[i].imageBytes;
  }
  return b;
}

// Runs the search on an exact-size heap copy, so that AddressSanitizer sees any
// read past the end.
std::optional<IconImage> FindInCopy(const std::vector<uint8_t>& bytes, size_t length, bool want32) {
  std::unique_ptr<uint8_t[]> copy(new uint8_t[length == 0 ? 1 : length]);
  if (length) std::memcpy(copy.get(), bytes.data(), length);
  auto found = FindIconImage(copy.get(), length, want32);
  if (found) {
    EXPECT_LE(found->bytes + found->size, copy.get() + length);
  }
  return found;
}

TEST(TrayIconFile, TakesTheFirstEntryOfTheWantedWidth) {
  auto file = MakeIconFile({{48, 60}, {16, 100}, {32, 120}, {16, 80}});
  auto small = FindIconImage(file.data(), file.size(), false);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->size, 100u);
  EXPECT_EQ(small->bytes, file.data() + 6 + 16 * 4 + 60);
  EXPECT_EQ(small->width, 16);
  EXPECT_EQ(small->height, 16);
  EXPECT_EQ(small->bitCount, 4);

  auto large = FindIconImage(file.data(), file.size(), true);
  ASSERT_TRUE(large);
  EXPECT_EQ(large->size, 120u);
  EXPECT_EQ(large->width, 32);
  EXPECT_EQ(large->height, 32);
}

TEST(TrayIconFile, RefusesFilesWithoutAWantedImage) {
  auto only48 = MakeIconFile({{48, 60}});
  EXPECT_FALSE(FindIconImage(only48.data(), only48.size(), false));
  EXPECT_FALSE(FindIconImage(only48.data(), only48.size(), true));
  EXPECT_FALSE(FindIconImage(nullptr, 100, false));
  EXPECT_FALSE(FindIconImage(only48.data(), 0, false));
}

TEST(TrayIconFile, ChecksTheFileHeader) {
  auto file = MakeIconFile({{16, 60}});
  EXPECT_TRUE(FindInCopy(file, file.size(), false));
  auto cursor = MakeIconFile({{16, 60}}, 2);
  EXPECT_TRUE(FindInCopy(cursor, cursor.size(), false));
  auto bitmapType = MakeIconFile({{16, 60}}, 3);
  EXPECT_FALSE(FindInCopy(bitmapType, bitmapType.size(), false));

  auto reserved = file;
  reserved[0] = 1;
  EXPECT_FALSE(FindInCopy(reserved, reserved.size(), false));
  auto noImages = file;
  Put16(noImages, 4, 0);
  EXPECT_FALSE(FindInCopy(noImages, noImages.size(), false));
}

TEST(TrayIconFile, TruncatedFilesNeverReadOutOfBounds) {
  auto file = MakeIconFile({{48, 60}, {32, 80}, {16, 100}});
  for (size_t length = 0; length < file.size(); ++length) {
    EXPECT_FALSE(FindInCopy(file, length, false)) << "length " << length;
  }
  EXPECT_TRUE(FindInCopy(file, file.size(), false));
}

TEST(TrayIconFile, OversizedImageCountStopsAtTheEndOfTheData) {
  auto file = MakeIconFile({{48, 60}});
  Put16(file, 4, 0xFFFF);
  EXPECT_FALSE(FindInCopy(file, file.size(), false));
  EXPECT_FALSE(FindInCopy(file, file.size(), true));
}

TEST(TrayIconFile, LyingOffsetsAndSizesGiveNothing) {
  auto file = MakeIconFile({{16, 60}});
  const size_t sizeField = 6 + 8, offsetField = 6 + 12;

  auto pastEnd = file;
  Put32(pastEnd, offsetField, static_cast<uint32_t>(file.size()));
  EXPECT_FALSE(FindInCopy(pastEnd, pastEnd.size(), false));

  auto oneTooLong = file;
  Put32(oneTooLong, sizeField, 61);
  EXPECT_FALSE(FindInCopy(oneTooLong, oneTooLong.size(), false));

  auto wrapping = file;  // offset + size overflows 32 bits
  Put32(wrapping, offsetField, 0xFFFFFFF0u);
  Put32(wrapping, sizeField, 0x20);
  EXPECT_FALSE(FindInCopy(wrapping, wrapping.size(), false));

  auto tooSmallForAHeader = file;
  Put32(tooSmallForAHeader, sizeField, 8);
  EXPECT_FALSE(FindInCopy(tooSmallForAHeader, tooSmallForAHeader.size(), false));
}

TEST(TrayIconFile, RandomDamageNeverReadsOutOfBounds) {
  auto file = MakeIconFile({{32, 80}, {16, 100}});
  std::mt19937 random(1234);
  for (int round = 0; round < 5000; ++round) {
    auto damaged = file;
    int hits = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < hits; ++i) damaged[random() % 38] = static_cast<uint8_t>(random());
    size_t length = random() % (damaged.size() + 1);
    FindInCopy(damaged, length, round % 2 == 0);
  }
}

TEST(TrayIconFile, ProbeIconIsOneOpaqueBlackSixteenPixelImage) {
  const auto& probe = ProbeIconFile();
  auto image = FindIconImage(probe.data(), probe.size(), false);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 16);
  EXPECT_EQ(image->height, 16);
  EXPECT_EQ(image->bitCount, 4);
  EXPECT_EQ(image->size, 318u - 22u);
  EXPECT_FALSE(FindIconImage(probe.data(), probe.size(), true));
  // Palette, colour indexes and mask after the 40-byte header are all zero.
  for (uint32_t i = 40; i < image->size; ++i) ASSERT_EQ(image->bytes[i], 0) << i;
}

}  // namespace
}  // namespace lizhi::tray
