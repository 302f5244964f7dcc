#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "runtime/music/mpeg/mpeg_test_util.h"
#include "runtime/music/mpeg/stream_search.h"

namespace lizhi::mpeg::testing {
namespace {

std::vector<uint8_t> IsoStream(const std::string& name) { return ReadBytes(VectorsDir() + "/iso/" + name); }

// Decodes like the player, but in small pieces: the bytes arrive in random
// chunks, the stream is searched once 64 KiB (or everything) has arrived, and
// each frame is handed to the decoder as an exact-size copy of its bytes, so a
// read past the frame would show under AddressSanitizer.
std::vector<uint8_t> DecodeInPieces(const std::vector<uint8_t>& file, uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<size_t> chunk(1, 700);
  std::vector<uint8_t> arrived;
  size_t pos = 0;
  auto arrive = [&](size_t needed) {
    while (arrived.size() < needed && arrived.size() < file.size()) {
      const size_t n = std::min(chunk(rng), file.size() - arrived.size());
      arrived.insert(arrived.end(), file.begin() + static_cast<long>(arrived.size()),
                     file.begin() + static_cast<long>(arrived.size() + n));
    }
  };
  arrive(65536);
  StreamSearchOptions options;
  options.allowLayer1 = true;
  options.matchChannelCountOnly = true;
  const StreamStart start = FindStream(arrived.data(), arrived.size(), options);
  std::vector<uint8_t> pcm;
  if (!start.found) return pcm;
  auto decoder = std::make_unique<Decoder>();
  if (!decoder->Init(start.first)) return pcm;
  decoder->SetFollowFrameChannels(true);
  std::vector<uint8_t> out(Decoder::kMaxPcmBytesPerFrame);
  pos = start.offset;
  for (;;) {
    arrive(pos + 4);
    FrameHeader h;
    if (pos + 4 > arrived.size() || !ParseFrameHeader(arrived.data() + pos, arrived.size() - pos, h)) break;
    arrive(pos + static_cast<size_t>(h.frameBytes));
    if (pos + static_cast<size_t>(h.frameBytes) > arrived.size()) break;
    const std::vector<uint8_t> frame(arrived.begin() + static_cast<long>(pos),
                                     arrived.begin() + static_cast<long>(pos) + h.frameBytes);
    const Decoder::Result r = decoder->DecodeFrame(frame.data(), frame.size(), out.data());
    if (r.bytesConsumed == 0) break;
    pcm.insert(pcm.end(), out.begin(), out.begin() + static_cast<long>(r.pcmBytes));
    pos += r.bytesConsumed;
  }
  return pcm;
}

TEST(MpegDecoder, DecodingInSmallPiecesGivesTheSameSamples) {
  for (const char* name : {"l1-fl8.bit", "l2-fl16.bit", "l3-compl.bit", "l3-he_mode.bit", "l3-test46.bit",
                           "M2L3_noise.bit", "l3-si_block.bit"}) {
    const std::vector<uint8_t> file = IsoStream(name);
    ASSERT_FALSE(file.empty()) << name;
    const Decoded whole = DecodeWhole(file, true);
    ASSERT_GT(whole.pcm.size(), 0u) << name;
    for (uint32_t seed : {1u, 2u}) {
      const std::vector<uint8_t> pieces = DecodeInPieces(file, seed);
      EXPECT_EQ(pieces.size(), whole.pcm.size()) << name;
      EXPECT_TRUE(pieces == whole.pcm) << name << " seed " << seed;
    }
  }
}

TEST(MpegDecoder, TwoDecodersRunInterleavedWithoutSharingState) {
  const std::vector<uint8_t> a = IsoStream("l3-test45.bit");
  const std::vector<uint8_t> b = IsoStream("l2-fl11.bit");
  const Decoded aAlone = DecodeWhole(a, true);
  const Decoded bAlone = DecodeWhole(b, true);
  StreamSearchOptions options;
  options.allowLayer1 = true;
  options.matchChannelCountOnly = true;
  const StreamStart sa = FindStream(a.data(), a.size(), options);
  const StreamStart sb = FindStream(b.data(), b.size(), options);
  ASSERT_TRUE(sa.found && sb.found);
  auto da = std::make_unique<Decoder>();
  auto db = std::make_unique<Decoder>();
  ASSERT_TRUE(da->Init(sa.first));
  ASSERT_TRUE(db->Init(sb.first));
  da->SetFollowFrameChannels(true);
  db->SetFollowFrameChannels(true);
  std::vector<uint8_t> pcmA, pcmB, out(Decoder::kMaxPcmBytesPerFrame);
  size_t pa = sa.offset, pb = sb.offset;
  bool moreA = true, moreB = true;
  while (moreA || moreB) {
    if (moreA) {
      const Decoder::Result r = da->DecodeFrame(a.data() + pa, a.size() - pa, out.data());
      moreA = r.bytesConsumed > 0 && pa + r.bytesConsumed < a.size();
      pa += r.bytesConsumed;
      pcmA.insert(pcmA.end(), out.begin(), out.begin() + static_cast<long>(r.pcmBytes));
    }
    if (moreB) {
      const Decoder::Result r = db->DecodeFrame(b.data() + pb, b.size() - pb, out.data());
      moreB = r.bytesConsumed > 0 && pb + r.bytesConsumed < b.size();
      pb += r.bytesConsumed;
      pcmB.insert(pcmB.end(), out.begin(), out.begin() + static_cast<long>(r.pcmBytes));
    }
  }
  EXPECT_TRUE(pcmA == aAlone.pcm);
  EXPECT_TRUE(pcmB == bAlone.pcm);
}

TEST(MpegDecoder, ReportsOutputFormatAndFramePcmBytes) {
  struct Case {
    const char* name;
    int rate;
    int channels;
    size_t pcmBytes;
  };
  for (const Case& c : {Case{"l3-hecommon.bit", 44100, 2, 4608}, Case{"M2L3_compl24.bit", 24000, 1, 1152},
                        Case{"l1-fl4.bit", 32000, 1, 768}, Case{"l2-fl12.bit", 48000, 2, 4608}}) {
    const std::vector<uint8_t> file = IsoStream(c.name);
    StreamSearchOptions options;
    options.allowLayer1 = true;
    options.matchChannelCountOnly = true;
    const StreamStart s = FindStream(file.data(), file.size(), options);
    ASSERT_TRUE(s.found) << c.name;
    auto d = std::make_unique<Decoder>();
    ASSERT_TRUE(d->Init(s.first));
    EXPECT_EQ(d->sampleRate(), c.rate) << c.name;
    EXPECT_EQ(d->channels(), c.channels) << c.name;
    EXPECT_EQ(d->bitsPerSample(), 16);
    std::vector<uint8_t> out(Decoder::kMaxPcmBytesPerFrame);
    const Decoder::Result r = d->DecodeFrame(file.data() + s.offset, file.size() - s.offset, out.data());
    EXPECT_EQ(r.bytesConsumed, static_cast<size_t>(s.first.frameBytes)) << c.name;
    EXPECT_EQ(r.pcmBytes, c.pcmBytes) << c.name;
  }
}

TEST(MpegDecoder, FrameCutShortOrOfAnotherRateDoesNotDecode) {
  const std::vector<uint8_t> file = IsoStream("l3-compl.bit");
  FrameHeader h;
  ASSERT_TRUE(ParseFrameHeader(file.data(), file.size(), h));
  auto d = std::make_unique<Decoder>();
  std::vector<uint8_t> out(Decoder::kMaxPcmBytesPerFrame);
  EXPECT_EQ(d->DecodeFrame(file.data(), file.size(), out.data()).bytesConsumed, 0u);  // not initialised
  ASSERT_TRUE(d->Init(h));
  EXPECT_EQ(d->DecodeFrame(file.data(), static_cast<size_t>(h.frameBytes) - 1, out.data()).bytesConsumed, 0u);
  EXPECT_EQ(d->DecodeFrame(file.data() + 1, file.size() - 1, out.data()).bytesConsumed, 0u);
  FrameHeader other = h;
  other.sampleRate = 44100;
  ASSERT_TRUE(d->Init(other));
  EXPECT_EQ(d->DecodeFrame(file.data(), file.size(), out.data()).bytesConsumed, 0u);
  FrameHeader invalid;
  EXPECT_FALSE(d->Init(invalid));
}

TEST(MpegDecoder, MonoFramesPlayOnBothChannelsOfAStereoOutput) {
  // l3-he_mode begins with mono frames and goes on in the stereo modes.
  const std::vector<uint8_t> file = IsoStream("l3-he_mode.bit");
  FrameHeader mono;
  ASSERT_TRUE(ParseFrameHeader(file.data(), file.size(), mono));
  ASSERT_EQ(mono.channels(), 1);
  FrameHeader stereo = mono;
  stereo.channelMode = ChannelMode::Stereo;
  auto d = std::make_unique<Decoder>();
  ASSERT_TRUE(d->Init(stereo));
  std::vector<uint8_t> out(Decoder::kMaxPcmBytesPerFrame);
  size_t pos = 0;
  bool heard = false;
  for (int frame = 0; frame < 5; ++frame) {
    const Decoder::Result r = d->DecodeFrame(file.data() + pos, file.size() - pos, out.data());
    ASSERT_GT(r.bytesConsumed, 0u);
    if (r.pcmBytes == 0) continue;
    ASSERT_EQ(r.pcmBytes, 1152u * 4);
    const std::vector<int16_t> s = ToSamples(std::vector<uint8_t>(out.begin(), out.begin() + 4608));
    for (size_t i = 0; i < s.size(); i += 2) {
      ASSERT_EQ(s[i], s[i + 1]);
      heard = heard || s[i] != 0;
    }
    pos += r.bytesConsumed;
  }
  EXPECT_TRUE(heard);
}

}  // namespace
}  // namespace lizhi::mpeg::testing
