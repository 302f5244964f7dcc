// Damaged, illegal and random input never crashes, hangs or reads out of
// bounds (this binary runs under AddressSanitizer and UBSan): the shared
// robustness streams, their truncations, random bytes, random frame bodies
// behind valid headers and bit-flipped compliance streams, each through the
// mp3dec path and through the player's own stages.
#include <gtest/gtest.h>

#include <random>

#include "runtime/music/mp3_builder.h"
#include "runtime/music/mpeg/mpeg_test_util.h"
#include "runtime/music/mpeg/stream_search.h"
#include "runtime/music/mpeg/tags.h"
#include "runtime/music/stage_decode.h"

namespace lizhi::mpeg::testing {
namespace {

// Through the player's own FileInput and FrameDecoder stages: the stage must
// end or fail (never hang), and every block of PCM it gives has the size of a
// frame in the format announced at the start.
void DecodeLikeThePlayer(const std::vector<uint8_t>& file) {
  static const music::test::TempFolder folder;
  const music::test::StageOutput out = music::test::DecodeThroughStages(folder.Write("damaged.mp3", file), false);
  ASSERT_TRUE(out.opened);
  EXPECT_FALSE(out.timedOut);
  EXPECT_TRUE(out.ended || out.failed);
  EXPECT_EQ(out.oddBlocks, 0u);
  if (out.blocks > 0) {
    EXPECT_TRUE(out.formatSet);
  }
}

void DecodeEveryWay(const std::vector<uint8_t>& file) {
  DecodeWhole(file, false);
  DecodeWhole(file, true);
  DecodeLikeThePlayer(file);
  StreamSearchOptions options;
  options.allowLayer1 = true;
  FindStream(file.data(), file.size(), options);
}

std::vector<std::string> RobustnessFiles() { return FilesIn(VectorsDir() + "/robustness", {".bit", ".mp3"}); }

TEST(MpegRobustness, SharedDamagedStreamsDecodeSafely) {
  const std::vector<std::string> files = RobustnessFiles();
  ASSERT_GT(files.size(), 40u);
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    DecodeEveryWay(ReadBytes(path));
  }
}

TEST(MpegRobustness, TruncatedStreamsDecodeSafely) {
  std::vector<std::string> files = RobustnessFiles();
  for (const char* iso : {"l3-compl.bit", "l2-fl16.bit", "l1-fl6.bit", "M2L3_noise.bit"}) {
    files.push_back(VectorsDir() + "/iso/" + iso);
  }
  std::mt19937 rng(7);
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    const std::vector<uint8_t> file = ReadBytes(path);
    for (int i = 0; i < 6 && !file.empty(); ++i) {
      const size_t length = std::uniform_int_distribution<size_t>(0, std::min<size_t>(file.size(), 6000))(rng);
      const size_t from = std::uniform_int_distribution<size_t>(0, file.size() - length)(rng);
      DecodeEveryWay(std::vector<uint8_t>(file.begin() + static_cast<long>(from),
                                          file.begin() + static_cast<long>(from + length)));
    }
  }
}

TEST(MpegRobustness, RandomBytesDecodeSafely) {
  std::mt19937 rng(11);
  for (int i = 0; i < 300; ++i) {
    const size_t size = std::uniform_int_distribution<size_t>(0, 6000)(rng);
    std::vector<uint8_t> bytes(size);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
    // Sprinkle syncs so that the search has something to chew on.
    for (size_t k = 0; k + 1 < size; k += std::uniform_int_distribution<size_t>(50, 500)(rng)) {
      bytes[k] = 0xFF;
      bytes[k + 1] |= 0xE0;
    }
    DecodeEveryWay(bytes);
  }
}

TEST(MpegRobustness, RandomFrameBodiesBehindValidHeadersDecodeSafely) {
  std::mt19937 rng(13);
  std::vector<uint8_t> pcm(Decoder::kMaxPcmBytesPerFrame);
  int decoded = 0;
  for (int version : {3, 2, 0}) {
    for (int layer = 1; layer <= 3; ++layer) {
      for (int mode = 0; mode < 4; ++mode) {
        for (int i = 0; i < 12; ++i) {
          const int bitrateIndex = std::uniform_int_distribution<int>(1, 14)(rng);
          const int rateIndex = std::uniform_int_distribution<int>(0, 2)(rng);
          const uint8_t header[4] = {
              0xFF, static_cast<uint8_t>(0xE0 | (version << 3) | ((4 - layer) << 1) | (i & 1)),
              static_cast<uint8_t>((bitrateIndex << 4) | (rateIndex << 2) | ((i >> 1) & 1 ? 2 : 0)),
              static_cast<uint8_t>((mode << 6) | (std::uniform_int_distribution<int>(0, 3)(rng) << 4))};
          FrameHeader h;
          ASSERT_TRUE(ParseFrameHeader(header, 4, h));
          auto decoder = std::make_unique<Decoder>();
          ASSERT_TRUE(decoder->Init(h));
          for (int frame = 0; frame < 4; ++frame) {
            std::vector<uint8_t> bytes(static_cast<size_t>(h.frameBytes));
            for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
            std::copy(header, header + 4, bytes.begin());
            const Decoder::Result r = decoder->DecodeFrame(bytes.data(), bytes.size(), pcm.data());
            EXPECT_EQ(r.bytesConsumed, bytes.size());
            EXPECT_LE(r.pcmBytes, Decoder::kMaxPcmBytesPerFrame);
            decoded += r.pcmBytes > 0;
          }
        }
      }
    }
  }
  EXPECT_GT(decoded, 0);
}

TEST(MpegRobustness, BitFlippedStreamsDecodeSafely) {
  std::mt19937 rng(17);
  for (const char* name : {"l3-test45.bit", "l3-si_huff.bit", "l2-fl10.bit", "l1-fl5.bit", "M2L3_bitrate_24_all.bit"}) {
    const std::vector<uint8_t> original = ReadBytes(VectorsDir() + "/iso/" + name);
    ASSERT_FALSE(original.empty()) << name;
    for (int variant = 0; variant < 4; ++variant) {
      std::vector<uint8_t> file(original.begin(),
                                original.begin() + static_cast<long>(std::min<size_t>(original.size(), 30000)));
      const int flips = 1 << (2 * variant + 2);
      for (int k = 0; k < flips; ++k) {
        file[std::uniform_int_distribution<size_t>(0, file.size() - 1)(rng)] ^= static_cast<uint8_t>(1 << (rng() % 8));
      }
      SCOPED_TRACE(std::string(name) + " flips " + std::to_string(flips));
      DecodeEveryWay(file);
    }
  }
}

}  // namespace
}  // namespace lizhi::mpeg::testing
