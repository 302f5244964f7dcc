#include <gtest/gtest.h>

#include <vector>

#include "runtime/music/mpeg/mpeg_test_util.h"
#include "runtime/music/mpeg/stream_search.h"
#include "runtime/music/mpeg/tags.h"

namespace lizhi::mpeg {
namespace {

// MPEG-1 layer III, 128 kbit/s, 44.1 kHz, no padding, joint stereo: 417 bytes.
constexpr uint8_t kLayer3Header[4] = {0xFF, 0xFB, 0x90, 0x40};
// MPEG-1 layer I, 384 kbit/s, 44.1 kHz, stereo: 4 * (12 * 384000 / 44100) = 416 bytes.
constexpr uint8_t kLayer1Header[4] = {0xFF, 0xFF, 0xC0, 0x00};

void AppendFrame(std::vector<uint8_t>& out, const uint8_t (&header)[4]) {
  FrameHeader h;
  ASSERT_TRUE(ParseFrameHeader(header, 4, h));
  out.insert(out.end(), header, header + 4);
  out.resize(out.size() + static_cast<size_t>(h.frameBytes) - 4, 0);
}

std::vector<uint8_t> Frames(const uint8_t (&header)[4], int count) {
  std::vector<uint8_t> out;
  for (int i = 0; i < count; ++i) AppendFrame(out, header);
  return out;
}

TEST(MpegStreamSearch, FindSyncLooksWithinOneWindow) {
  std::vector<uint8_t> data(3000, 0);
  EXPECT_EQ(FindSync(data.data(), data.size()), -1);
  data[1439] = 0xFF;
  data[1440] = 0xE2;
  EXPECT_EQ(FindSync(data.data(), data.size()), 1439);
  data[1439] = 0;
  data[1440] = 0xFF;
  data[1441] = 0xF0;
  EXPECT_EQ(FindSync(data.data(), data.size()), -1);  // starts beyond the 1441-byte window
  data[20] = 0xFF;
  data[21] = 0xDF;  // high nibble D: not a sync
  EXPECT_EQ(FindSync(data.data(), data.size()), -1);
  EXPECT_EQ(FindSync(data.data() + 1440, data.size() - 1440), 0);
}

TEST(MpegStreamSearch, SkipsGarbageBeforeThreeAgreeingFrames) {
  std::vector<uint8_t> data = {'j', 'u', 'n', 'k', 0xFF, 0xFB, 0x12};  // a false sync
  const std::vector<uint8_t> frames = Frames(kLayer3Header, 4);
  data.insert(data.end(), frames.begin(), frames.end());
  const StreamStart s = FindStream(data.data(), data.size());
  ASSERT_TRUE(s.found);
  EXPECT_EQ(s.offset, 7u);
  EXPECT_EQ(s.first.layer, 3);
  EXPECT_EQ(s.first.frameBytes, 417);
  EXPECT_FALSE(s.xing.present);
}

TEST(MpegStreamSearch, KeepsLayer1OnlyWhenAllowed) {
  const std::vector<uint8_t> data = Frames(kLayer1Header, 4);
  EXPECT_FALSE(FindStream(data.data(), data.size()).found);
  StreamSearchOptions options;
  options.allowLayer1 = true;
  EXPECT_TRUE(FindStream(data.data(), data.size(), options).found);
}

TEST(MpegStreamSearch, RequiresAgreeingChannelMode) {
  std::vector<uint8_t> data = Frames(kLayer3Header, 1);
  const uint8_t stereo[4] = {0xFF, 0xFB, 0x90, 0x00};
  AppendFrame(data, stereo);
  AppendFrame(data, stereo);
  AppendFrame(data, stereo);
  AppendFrame(data, stereo);
  const StreamStart player = FindStream(data.data(), data.size());
  ASSERT_TRUE(player.found);
  EXPECT_EQ(player.offset, 417u);  // the joint-stereo first frame is skipped
  StreamSearchOptions options;
  options.matchChannelCountOnly = true;
  EXPECT_EQ(FindStream(data.data(), data.size(), options).offset, 0u);
}

TEST(MpegStreamSearch, GivesUpAfterThirtyTwoAttempts) {
  auto withFalseSyncs = [](int count) {
    std::vector<uint8_t> data;
    for (int i = 0; i < count; ++i) {
      const uint8_t falseSync[3] = {0xFF, 0xE0, 0x00};
      data.insert(data.end(), falseSync, falseSync + 3);
    }
    const std::vector<uint8_t> frames = Frames(kLayer3Header, 3);
    data.insert(data.end(), frames.begin(), frames.end());
    return data;
  };
  const std::vector<uint8_t> few = withFalseSyncs(31);
  EXPECT_TRUE(FindStream(few.data(), few.size()).found);
  const std::vector<uint8_t> many = withFalseSyncs(32);
  EXPECT_FALSE(FindStream(many.data(), many.size()).found);
}

TEST(MpegStreamSearch, ReadsXingHeaderOfFirstFrame) {
  std::vector<uint8_t> data = Frames(kLayer3Header, 3);
  uint8_t* xing = data.data() + 36;  // MPEG-1 stereo: after 4 header and 32 side-info bytes
  const uint8_t fields[] = {'X', 'i', 'n', 'g', 0, 0, 0, 0x0F, 0, 0, 0x01, 0x2C, 0, 0x02, 0, 0};
  std::copy(std::begin(fields), std::end(fields), xing);
  for (int i = 0; i < 100; ++i) xing[16 + i] = static_cast<uint8_t>(i * 2);
  const uint8_t quality[4] = {0, 0, 0, 57};
  std::copy(std::begin(quality), std::end(quality), xing + 116);
  const StreamStart s = FindStream(data.data(), data.size());
  ASSERT_TRUE(s.found);
  ASSERT_TRUE(s.xing.present);
  EXPECT_EQ(s.xing.flags, 0x0Fu);
  EXPECT_EQ(s.xing.frameCount, 300u);
  EXPECT_EQ(s.xing.byteCount, 0x20000u);
  EXPECT_TRUE(s.xing.hasToc);
  EXPECT_EQ(s.xing.toc[99], 198);
  EXPECT_EQ(s.xing.quality, 57);
}

TEST(MpegStreamSearch, IgnoresXingFieldsPastTheFrame) {
  // Mono MPEG-1 layer III, 32 kbit/s, 44.1 kHz: 104 bytes, too short for a TOC at byte 21.
  const uint8_t header[4] = {0xFF, 0xFB, 0x10, 0xC0};
  std::vector<uint8_t> data = Frames(header, 3);
  const uint8_t fields[] = {'X', 'i', 'n', 'g', 0, 0, 0, 0x05, 0, 0, 0, 9};
  std::copy(std::begin(fields), std::end(fields), data.data() + 21);
  const StreamStart s = FindStream(data.data(), data.size());
  ASSERT_TRUE(s.found);
  EXPECT_FALSE(s.xing.present);
  EXPECT_EQ(s.xing.quality, -1);
}

TEST(MpegStreamSearch, FindsStreamsOfTheSharedVectors) {
  const std::string dir = testing::VectorsDir() + "/robustness/";
  const std::vector<uint8_t> vbr = testing::ReadBytes(dir + "l3-nonstandard-sin1k0db_lame_vbrtag.bit");
  ASSERT_FALSE(vbr.empty());
  const StreamStart s = FindStream(vbr.data(), vbr.size());
  ASSERT_TRUE(s.found);
  EXPECT_TRUE(s.xing.present);
  EXPECT_GT(s.xing.frameCount, 0u);

  const std::vector<uint8_t> tagged = testing::ReadBytes(dir + "l3-nonstandard-id3v2.bit");
  ASSERT_FALSE(tagged.empty());
  const size_t skip = Id3v2SkipBytes(tagged.data(), tagged.size());
  EXPECT_GT(skip, 10u);
}

}  // namespace
}  // namespace lizhi::mpeg
