// MPEG-2.5 (8, 11.025 and 12 kHz) has no ISO compliance stream here: streams
// made with sox and lame are compared with Debian's mpg123. Skipped when the
// tools are missing (scripts/setup installs them).
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "runtime/music/mpeg/mpeg_test_util.h"

namespace lizhi::mpeg::testing {
namespace {

bool HaveTool(const char* name) {
  const std::string command = std::string("command -v ") + name + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// mpg123 drops the encoder delay and the Xing frame (gapless playback): find
// that offset by correlation, then compare what follows.
Comparison CompareWithOffset(const std::vector<int16_t>& ours, const std::vector<int16_t>& theirs, int channels) {
  size_t bestLag = 0;
  double bestScore = -1;
  for (size_t lag = 0; lag < 8000 && lag < ours.size(); lag += static_cast<size_t>(channels)) {
    double xy = 0, xx = 0, yy = 0;
    for (size_t i = 0; i + lag < ours.size() && i < theirs.size() && i < 40000; i += 3) {
      xy += static_cast<double>(ours[i + lag]) * theirs[i];
      xx += static_cast<double>(ours[i + lag]) * ours[i + lag];
      yy += static_cast<double>(theirs[i]) * theirs[i];
    }
    const double score = xy / (std::sqrt(xx * yy) + 1e-9);
    if (score > bestScore) {
      bestScore = score;
      bestLag = lag;
    }
  }
  return Compare(std::vector<int16_t>(ours.begin() + static_cast<long>(bestLag), ours.end()), theirs);
}

TEST(MpegLowRates, Mpeg25StreamsMatchMpg123) {
  for (const char* tool : {"sox", "lame", "mpg123"})
    ASSERT_TRUE(HaveTool(tool)) << tool << " is missing: run scripts/setup";
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("lizhi-mpeg25-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  struct Case {
    int rate;
    int channels;
    const char* lame;
  };
  for (const Case& c : {Case{8000, 1, "-b 24"}, Case{11025, 2, "-b 32 -m j"}, Case{12000, 2, "-b 48 -m s"}}) {
    const std::string base = (dir / ("t" + std::to_string(c.rate))).string();
    const std::string make = "sox -q -n -r " + std::to_string(c.rate) + " -b 16 -c " + std::to_string(c.channels) +
                             " " + base + ".wav synth 4 sine 200-3500 pinknoise vol 0.4 && lame --quiet " + c.lame +
                             " " + base + ".wav " + base + ".mp3 && mpg123 -q -s " + base + ".mp3 > " + base + ".pcm";
    ASSERT_EQ(std::system(make.c_str()), 0) << make;
    const Decoded ours = DecodeWhole(ReadBytes(base + ".mp3"), false);
    ASSERT_TRUE(ours.result.found);
    EXPECT_EQ(ours.result.sampleRate, c.rate);
    EXPECT_EQ(ours.result.channels, c.channels);
    const Comparison cmp = CompareWithOffset(ToSamples(ours.pcm), ToSamples(ReadBytes(base + ".pcm")), c.channels);
    EXPECT_GT(cmp.commonSamples, static_cast<size_t>(c.rate * c.channels * 3));
    EXPECT_LE(cmp.maxDifference, 1) << c.rate;
    EXPECT_GE(cmp.psnr, 100.0) << c.rate;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lizhi::mpeg::testing
