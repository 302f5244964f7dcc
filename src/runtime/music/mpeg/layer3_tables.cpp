#include "runtime/music/mpeg/layer3_tables.h"

#include <array>

#include "runtime/music/mpeg/constexpr_math.h"

namespace lizhi::mpeg {

int Layer3RateIndex(const FrameHeader& h) {
  int base = 0;
  if (h.version == MpegVersion::Mpeg2) base = 3;
  if (h.version == MpegVersion::Mpeg25) base = 6;
  const int full = h.version == MpegVersion::Mpeg1   ? h.sampleRate
                   : h.version == MpegVersion::Mpeg2 ? h.sampleRate * 2
                                                     : h.sampleRate * 4;
  const int within = full == 44100 ? 0 : full == 48000 ? 1 : 2;
  return base + within;
}

// 11172-3 Table B.8 and 13818-3 Table B.2; MPEG-2.5 as commonly implemented.
const int16_t kLongBandStart[9][23] = {
    {0, 4, 8, 12, 16, 20, 24, 30, 36, 44, 52, 62, 74, 90, 110, 134, 162, 196, 238, 288, 342, 418, 576},
    {0, 4, 8, 12, 16, 20, 24, 30, 36, 42, 50, 60, 72, 88, 106, 128, 156, 190, 230, 276, 330, 384, 576},
    {0, 4, 8, 12, 16, 20, 24, 30, 36, 44, 54, 66, 82, 102, 126, 156, 194, 240, 296, 364, 448, 550, 576},
    {0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576},
    {0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 114, 136, 162, 194, 232, 278, 332, 394, 464, 540, 576},
    {0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576},
    {0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576},
    {0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96, 116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576},
    {0, 12, 24, 36, 48, 60, 72, 88, 108, 132, 160, 192, 232, 280, 336, 400, 476, 566, 568, 570, 572, 574, 576},
};

const int16_t kShortBandStart[9][14] = {
    {0, 4, 8, 12, 16, 22, 30, 40, 52, 66, 84, 106, 136, 192},
    {0, 4, 8, 12, 16, 22, 28, 38, 50, 64, 80, 100, 126, 192},
    {0, 4, 8, 12, 16, 22, 30, 42, 58, 78, 104, 138, 180, 192},
    {0, 4, 8, 12, 18, 24, 32, 42, 56, 74, 100, 132, 174, 192},
    {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 136, 180, 192},
    {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 134, 174, 192},
    {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 134, 174, 192},
    {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 134, 174, 192},
    {0, 8, 16, 24, 36, 52, 72, 96, 124, 160, 162, 164, 166, 192},
};

const uint8_t kPretab[22] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 3, 3, 2, 0};

const uint8_t kSlen[2][16] = {
    {0, 0, 0, 0, 3, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4},
    {0, 1, 2, 3, 0, 1, 2, 3, 1, 2, 3, 1, 2, 3, 2, 3},
};

const uint8_t kLsfPartitions[6][3][4] = {
    {{6, 5, 5, 5}, {9, 9, 9, 9}, {6, 9, 9, 9}},       {{6, 5, 7, 3}, {9, 9, 12, 6}, {6, 9, 12, 6}},
    {{11, 10, 0, 0}, {18, 18, 0, 0}, {15, 18, 0, 0}}, {{7, 7, 7, 0}, {12, 12, 12, 0}, {6, 15, 12, 0}},
    {{6, 6, 6, 3}, {12, 9, 9, 6}, {6, 12, 9, 6}},     {{8, 8, 5, 0}, {15, 12, 9, 0}, {6, 18, 9, 0}},
};

namespace {

constexpr std::array<float, kPow43Size> MakePow43() {
  std::array<float, kPow43Size> t{};
  for (int i = 0; i < kPow43Size; ++i) {
    const double x = i;
    t[i] = static_cast<float>(x * cmath::Cbrt(x));
  }
  return t;
}

constexpr double kAliasC[8] = {-0.6, -0.535, -0.33, -0.185, -0.095, -0.041, -0.0142, -0.0037};

constexpr std::array<float, 8> MakeAlias(bool ca) {
  std::array<float, 8> t{};
  for (int i = 0; i < 8; ++i) {
    const double root = cmath::Sqrt(1.0 + kAliasC[i] * kAliasC[i]);
    t[i] = static_cast<float>(ca ? kAliasC[i] / root : 1.0 / root);
  }
  return t;
}

constexpr std::array<float, 7> MakeIntensity(bool left) {
  std::array<float, 7> t{};
  for (int p = 0; p < 7; ++p) {
    // tan(p pi/12) / (1 + tan) = sin / (sin + cos), which also holds at p = 6.
    const double s = cmath::Sin(p * cmath::kPi / 12);
    const double c = cmath::Cos(p * cmath::kPi / 12);
    t[p] = static_cast<float>((left ? s : c) / (s + c));
  }
  return t;
}

constexpr std::array<std::array<float, 32>, 2> MakeIntensityLsf() {
  std::array<std::array<float, 32>, 2> t{};
  for (int n = 0; n < 32; ++n) {
    t[0][n] = static_cast<float>(cmath::Pow2Quarter(-n));
    t[1][n] = static_cast<float>(cmath::Pow2Quarter(-2 * n));
  }
  return t;
}

}  // namespace

constinit const std::array<float, kPow43Size> kPow43 = MakePow43();
constinit const std::array<float, 8> kAliasCs = MakeAlias(false);
constinit const std::array<float, 8> kAliasCa = MakeAlias(true);
constinit const std::array<float, 7> kIntensityLeft = MakeIntensity(true);
constinit const std::array<float, 7> kIntensityRight = MakeIntensity(false);
constinit const std::array<std::array<float, 32>, 2> kIntensityLsf = MakeIntensityLsf();

}  // namespace lizhi::mpeg
