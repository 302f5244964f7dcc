// The ISO/IEC 11172-4 compliance streams (and the MPEG-2 layer III ones)
// decode to their reference output: maximum sample difference 1 and a PSNR of
// at least 100 dB over the common samples. They are decoded the way mp3dec
// decodes, keeping each frame's own channel count as the reference files do,
// once with the decoder's SSE2 code (where the processor has SSE2) and once
// with its scalar code.
#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

#include "runtime/music/mpeg/mpeg_test_util.h"
#include "runtime/music/mpeg/simd.h"

namespace lizhi::mpeg::testing {
namespace {

std::vector<std::string> ComplianceStreams() { return FilesIn(VectorsDir() + "/iso", {".bit"}); }

enum class Path { kDefault, kScalar };

class MpegCompliance : public ::testing::TestWithParam<std::tuple<std::string, Path>> {};

TEST_P(MpegCompliance, MatchesReferenceWithinOneAndHundredDecibels) {
  const auto& [stream, path] = GetParam();
  const std::vector<uint8_t> file = ReadBytes(stream);
  const std::vector<uint8_t> reference = ReadBytes(stream.substr(0, stream.size() - 4) + ".pcm");
  ASSERT_FALSE(file.empty()) << stream;
  ASSERT_FALSE(reference.empty()) << stream;

  const Decoded decoded = DecodeWhole(file, true, path == Path::kScalar);
  ASSERT_TRUE(decoded.result.found) << stream;
  ASSERT_GT(decoded.result.frames, 0u);
  EXPECT_EQ(decoded.sse2, path == Path::kDefault && CpuHasSse2());
  const Comparison c = Compare(ToSamples(decoded.pcm), ToSamples(reference));
  // The reference may run longer or shorter by a frame or two at the end, not more.
  EXPECT_GT(c.commonSamples, reference.size() / 2 / 2) << stream;
  EXPECT_LE(c.maxDifference, 1) << stream;
  EXPECT_GE(c.psnr, 100.0) << stream;
  RecordProperty("max_difference", c.maxDifference);
  RecordProperty("psnr_db", std::to_string(c.psnr));
  std::printf("[ compliance ] %-28s %-6s frames %5zu  max diff %d  PSNR %6.1f dB\n",
              std::filesystem::path(stream).filename().string().c_str(), decoded.sse2 ? "SSE2" : "scalar",
              decoded.result.frames, c.maxDifference, c.psnr);
}

std::string TestName(const ::testing::TestParamInfo<std::tuple<std::string, Path>>& info) {
  std::string name = std::filesystem::path(std::get<0>(info.param)).stem().string();
  for (char& ch : name) {
    if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return name + (std::get<1>(info.param) == Path::kScalar ? "_scalar" : "");
}

INSTANTIATE_TEST_SUITE_P(IsoStreams, MpegCompliance,
                         ::testing::Combine(::testing::ValuesIn(ComplianceStreams()),
                                            ::testing::Values(Path::kDefault, Path::kScalar)),
                         TestName);

TEST(MpegComplianceSet, AllStreamsPresent) {
  // 8 layer I, 8 layer II (incl. MPEG-2), 12 MPEG-1 and 5 MPEG-2 layer III streams.
  EXPECT_EQ(ComplianceStreams().size(), 33u) << "vectors in " << VectorsDir() << "/iso";
}

}  // namespace
}  // namespace lizhi::mpeg::testing
