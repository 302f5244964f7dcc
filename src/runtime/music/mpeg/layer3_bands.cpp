#include "runtime/music/mpeg/layer3_bands.h"

#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {

void MakeBandLayout(int rateIndex, bool mpeg1, const GranuleChannelInfo& g, BandLayout& out) {
  const int16_t* longStart = kLongBandStart[rateIndex];
  const int16_t* shortStart = kShortBandStart[rateIndex];
  int n = 0;
  if (!IsShortGranule(g)) {
    for (int sfb = 0; sfb < 22; ++sfb, ++n) {
      out.start[n] = longStart[sfb];
      out.window[n] = -1;
      out.sfb[n] = static_cast<int8_t>(sfb);
    }
    out.longCount = 22;
  } else {
    int firstShort = 0;
    if (g.mixedBlock) {
      // The lowest two subbands (36 lines) are long: 8 long bands at MPEG-1
      // rates, 6 at the lower ones; the short bands then resume at band 3.
      const int longBands = mpeg1 ? 8 : 6;
      for (int sfb = 0; sfb < longBands; ++sfb, ++n) {
        out.start[n] = longStart[sfb];
        out.window[n] = -1;
        out.sfb[n] = static_cast<int8_t>(sfb);
      }
      out.longCount = longBands;
      firstShort = 3;
    } else {
      out.longCount = 0;
    }
    for (int sfb = firstShort; sfb < 13; ++sfb) {
      const int width = shortStart[sfb + 1] - shortStart[sfb];
      for (int w = 0; w < 3; ++w, ++n) {
        out.start[n] = static_cast<int16_t>(3 * shortStart[sfb] + w * width);
        out.window[n] = static_cast<int8_t>(w);
        out.sfb[n] = static_cast<int8_t>(sfb);
      }
    }
  }
  out.count = n;
  out.start[n] = 576;
}

}  // namespace lizhi::mpeg
