#include <gtest/gtest.h>

#include <vector>

#include "runtime/music/mpeg/tags.h"

namespace lizhi::mpeg {
namespace {

std::vector<uint8_t> Id3Header(uint8_t major, uint8_t flags, uint32_t size) {
  return {'I',
          'D',
          '3',
          major,
          0,
          flags,
          static_cast<uint8_t>((size >> 21) & 0x7F),
          static_cast<uint8_t>((size >> 14) & 0x7F),
          static_cast<uint8_t>((size >> 7) & 0x7F),
          static_cast<uint8_t>(size & 0x7F)};
}

std::vector<uint8_t> operator+(std::vector<uint8_t> a, const std::vector<uint8_t>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(MpegTags, SkipsEveryId3v2TagByItsHeader) {
  // Extended header of v2.3: size 6, flags 0, padding 0x120; the padding is
  // inside the tag's size and is not added again.
  const std::vector<uint8_t> extended = {0, 0, 0, 6, 0, 0, 0, 0, 0x01, 0x20};
  const std::vector<uint8_t> frame = {0xFF, 0xFB, 0x92, 0x60, 0, 0, 0, 0, 0, 0};
  struct Case {
    const char* what;
    std::vector<uint8_t> data;
    size_t skip;
  };
  const Case cases[] = {
      {"v2.3", Id3Header(3, 0, 300) + frame, 310},
      {"v2.3 extended header", Id3Header(3, 0x40, 1000) + extended, 1010},
      {"v2.4", Id3Header(4, 0, 300) + frame, 310},
      {"v2.2", Id3Header(2, 0, 300), 310},
      {"footer flag", Id3Header(4, 0x10, 300), 320},
      {"footer flag on v2.3", Id3Header(3, 0x10, 300), 320},
      {"runs past the end", Id3Header(4, 0, 5000), 5010},
      {"no tag", frame, 0},
      {"size not syncsafe", {'I', 'D', '3', 4, 0, 0, 0, 0, 0x81, 0}, 0},
      {"too short", {'I', 'D', '3', 4, 0}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Id3v2SkipBytes(c.data.data(), c.data.size()), c.skip) << c.what;
  }
  // Stacked tags: each is skipped whole, by its own header.
  std::vector<uint8_t> stacked = Id3Header(3, 0, 20);
  stacked.resize(30, 0);
  stacked = stacked + Id3Header(4, 0x10, 5);
  stacked.resize(55, 0);
  stacked = stacked + Id3Header(2, 0, 1);
  stacked.resize(66, 0);
  stacked = stacked + frame;
  EXPECT_EQ(Id3v2SkipBytes(stacked.data(), stacked.size()), 66u);
  EXPECT_EQ(Id3v2TagBytes(stacked.data(), stacked.size()), 30u);
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
