#include <gtest/gtest.h>

#include <vector>

#include "runtime/music/mpeg/tags.h"

namespace lizhi::mpeg {
namespace {

std::vector<uint8_t> Id3Header(uint8_t major, uint8_t flags, uint32_t size) {
  return {'I', 'D', '3', major, 0, flags, static_cast<uint8_t>((size >> 21) & 0x7F),
          static_cast<uint8_t>((size >> 14) & 0x7F), static_cast<uint8_t>((size >> 7) & 0x7F),
          static_cast<uint8_t>(size & 0x7F)};
}

TEST(MpegTags, SkipsId3v23TagBySyncsafeSize) {
  const std::vector<uint8_t> tag = Id3Header(3, 0, 300);
  EXPECT_EQ(Id3v2SkipBytes(tag.data(), tag.size()), 310u);
}

TEST(MpegTags, AddsExtendedHeaderPaddingForId3v23) {
  std::vector<uint8_t> tag = Id3Header(3, 0x40, 1000);
  // Extended header: size 6, flags 0, padding size 0x00000120 (big-endian).
  const uint8_t extended[10] = {0, 0, 0, 6, 0, 0, 0, 0, 0x01, 0x20};
  tag.insert(tag.end(), extended, extended + 10);
  EXPECT_EQ(Id3v2SkipBytes(tag.data(), tag.size()), 10u + 1000u + 0x120u);
}

TEST(MpegTags, LeavesOtherId3VersionsToTheFrameSearch) {
  const std::vector<uint8_t> v24 = Id3Header(4, 0, 300);
  const std::vector<uint8_t> v22 = Id3Header(2, 0, 300);
  EXPECT_EQ(Id3v2SkipBytes(v24.data(), v24.size()), 0u);
  EXPECT_EQ(Id3v2SkipBytes(v22.data(), v22.size()), 0u);
  // Tools skip any version, with the v2.4 footer.
  EXPECT_EQ(Id3v2TagBytes(v24.data(), v24.size()), 310u);
  const std::vector<uint8_t> footer = Id3Header(4, 0x10, 300);
  EXPECT_EQ(Id3v2TagBytes(footer.data(), footer.size()), 320u);
  const uint8_t frame[10] = {0xFF, 0xFB, 0x92, 0x60};
  EXPECT_EQ(Id3v2SkipBytes(frame, sizeof(frame)), 0u);
  EXPECT_EQ(Id3v2TagBytes(frame, sizeof(frame)), 0u);
}

TEST(MpegTags, DetectsId3v1Tail) {
  std::vector<uint8_t> file(1000, 0x55);
  EXPECT_FALSE(HasId3v1Tail(file.data(), file.size()));
  file[1000 - 128] = 'T';
  file[1000 - 127] = 'A';
  file[1000 - 126] = 'G';
  EXPECT_TRUE(HasId3v1Tail(file.data(), file.size()));
  EXPECT_FALSE(HasId3v1Tail(file.data(), 100));
}

}  // namespace
}  // namespace lizhi::mpeg
