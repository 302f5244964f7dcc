// Where a start part-way into a file lands.
#include "runtime/music/start_position.h"

#include <gtest/gtest.h>

namespace lizhi::music {
namespace {

TEST(MusicStartPosition, WithoutTableOfContentsLandsOnAWholeFrame) {
  const mpeg::XingInfo none{};
  EXPECT_EQ(StartByteOffset(0, none, 417, 41700), 0u);
  EXPECT_EQ(StartByteOffset(50, none, 417, 41700), 20850u);
  EXPECT_EQ(StartByteOffset(33.3, none, 417, 41700), 417u * 33);  // 13886 bytes -> 33 whole frames
  EXPECT_EQ(StartByteOffset(100, none, 417, 41700), 41700u);
}

TEST(MusicStartPosition, TableOfContentsIsInterpolated) {
  mpeg::XingInfo xing{};
  xing.present = true;
  xing.hasToc = true;
  for (int i = 0; i < 100; ++i) xing.toc[i] = static_cast<uint8_t>(i * 2);  // twice as dense
  EXPECT_EQ(StartByteOffset(10, xing, 417, 256000), 20u * 1000);
  EXPECT_EQ(StartByteOffset(10.5, xing, 417, 256000), 21u * 1000);
  // Past the last entry the table ends at 256.
  EXPECT_EQ(StartByteOffset(99.5, xing, 417, 256000), static_cast<uint64_t>((198 + (256 - 198) * 0.5) * 1000));
}

TEST(MusicStartPosition, NonsenseArgumentsStayInsideTheFile) {
  const mpeg::XingInfo none{};
  EXPECT_EQ(StartByteOffset(-5, none, 417, 41700), 0u);
  EXPECT_EQ(StartByteOffset(500, none, 417, 41700), 41700u);
  EXPECT_EQ(StartByteOffset(50, none, 0, 41700), 0u);
}

}  // namespace
}  // namespace lizhi::music
