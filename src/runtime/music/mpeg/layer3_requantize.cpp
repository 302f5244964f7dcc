#include "runtime/music/mpeg/layer3_requantize.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {
namespace {

// 2^(quarterSteps / 4).
inline float Pow2Quarter(int quarterSteps) {
  static constexpr float kQuarter[4] = {1.0f, 1.18920711500272106672f, 1.41421356237309504880f,
                                        1.68179283050742908606f};
  // Arithmetic shift rounds towards minus infinity, so the remainder is 0..3.
  const int whole = quarterSteps >> 2;
  // 2^whole made from its exponent bits where it is a normal float (always,
  // in practice): the product is then exactly what ldexp gives, without a call.
  if (whole >= -126 && whole <= 127) {
    return kQuarter[quarterSteps & 3] * std::bit_cast<float>(static_cast<uint32_t>(whole + 127) << 23);
  }
  return std::ldexp(kQuarter[quarterSteps & 3], whole);
}

}  // namespace

void Requantize(const int32_t quantised[576], int lines, const GranuleChannelInfo& g, const BandLayout& layout,
                const ScaleFactors& sf, float xr[576]) {
  const int scaleShift = 1 + g.scalefacScale;
  const int base = g.globalGain - 210;
  int line = 0;
  for (int b = 0; b < layout.count && line < lines; ++b) {
    const int end = layout.start[b + 1] < lines ? layout.start[b + 1] : lines;
    int exponent = base;
    if (layout.window[b] < 0) {
      const int sfb = layout.sfb[b];
      const int pre = sf.preflag ? kPretab[sfb] : 0;
      exponent -= (sf.value[b] + pre) << scaleShift;
    } else {
      exponent -= 8 * g.subblockGain[layout.window[b]] + (sf.value[b] << scaleShift);
    }
    const float gain = Pow2Quarter(exponent);
    for (; line < end; ++line) {
      const int32_t q = quantised[line];
      const int32_t magnitude = q < 0 ? -q : q;
      const float v = kPow43[magnitude < kPow43Size ? magnitude : kPow43Size - 1] * gain;
      xr[line] = q < 0 ? -v : v;
    }
  }
  for (; line < 576; ++line) xr[line] = 0.0f;
}

}  // namespace lizhi::mpeg
