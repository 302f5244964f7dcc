// Files as people's music folders hold them, made at build time with sox,
// lame and twolame: through the player's own stages each decodes to its end
// and matches mpg123's decoding (--no-gapless) at 90 dB PSNR or better once
// the two are aligned (our output keeps the Xing/Info frame as silence).
#include <gtest/gtest.h>

#include <cctype>
#include <limits>

#include "runtime/music/mpeg/mpeg_test_util.h"
#include "runtime/music/stage_decode.h"

namespace lizhi::mpeg::testing {
namespace {

std::string RealWorldDir() { return lizhi::test::BuildDir() + "/realworld"; }

// The lag (in samples of one channel, ours minus the reference's) that makes
// a stretch from the middle of the reference match ours best.
long BestLag(const std::vector<int16_t>& ours, const std::vector<int16_t>& ref, int channels, long maxLag) {
  const long probe = 4096L * channels;
  const long from = static_cast<long>(ref.size()) / 3 / channels * channels;
  long best = 0;
  double bestError = std::numeric_limits<double>::max();
  for (long lag = -maxLag; lag <= maxLag; ++lag) {
    const long shift = lag * channels;
    if (from + shift < 0 || from + shift + probe > static_cast<long>(ours.size())) continue;
    if (from + probe > static_cast<long>(ref.size())) break;
    double error = 0;
    for (long i = 0; i < probe && error < bestError; ++i) {
      const double d =
          static_cast<double>(ours[static_cast<size_t>(from + shift + i)]) - ref[static_cast<size_t>(from + i)];
      error += d * d;
    }
    if (error < bestError) {
      bestError = error;
      best = lag;
    }
  }
  return best;
}

class MpegRealWorld : public ::testing::TestWithParam<const char*> {};

TEST_P(MpegRealWorld, DecodesToItsEndMatchingMpg123) {
  const std::string path = RealWorldDir() + "/" + GetParam();
  const std::vector<int16_t> ref = ToSamples(ReadBytes(path + ".pcm"));
  ASSERT_FALSE(ref.empty()) << path << ".pcm is missing: made at build time with sox, lame, twolame, mpg123";

  const music::test::StageOutput out = music::test::DecodeThroughStages(path);
  ASSERT_TRUE(out.ended) << path;
  EXPECT_EQ(out.oddBlocks, 0u);
  const int channels = out.format.channels;
  const std::vector<int16_t> ours = ToSamples(out.pcm);

  const long lag = BestLag(ours, ref, channels, 2 * 1152 + 600);
  const size_t skipOurs = lag > 0 ? static_cast<size_t>(lag * channels) : 0;
  const size_t skipRef = lag < 0 ? static_cast<size_t>(-lag * channels) : 0;
  ASSERT_LT(skipOurs, ours.size());
  const Comparison c = Compare(std::vector<int16_t>(ours.begin() + static_cast<long>(skipOurs), ours.end()),
                               std::vector<int16_t>(ref.begin() + static_cast<long>(skipRef), ref.end()));
  // To its end: at most one frame of the reference is left uncompared.
  EXPECT_GE(c.commonSamples + static_cast<size_t>(out.format.samplesPerFrame * channels), ref.size() - skipRef);
  EXPECT_GE(c.psnr, 90.0) << path;
  std::printf("[ real world ] %-16s %d ch %5d Hz  lag %5ld  max diff %d  PSNR %6.1f dB\n", GetParam(), channels,
              out.format.sampleRate, lag, c.maxDifference, c.psnr);
}

INSTANTIATE_TEST_SUITE_P(Encoders, MpegRealWorld,
                         ::testing::Values("vbr-xing.mp3", "cbr-info.mp3", "joint-320.mp3", "mono-8k.mp3",
                                           "layer2-384.mp2", "cover-art.mp3"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace lizhi::mpeg::testing
