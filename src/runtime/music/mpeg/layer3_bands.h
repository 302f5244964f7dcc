// The scale-factor bands of one granule and channel in bitstream order: long
// bands, short bands (one entry per band and window), or the mixed layout of
// long bands below the mixed-block boundary and short bands above it.
#pragma once
#include <cstdint>

#include "runtime/music/mpeg/layer3_side_info.h"

namespace lizhi::mpeg {

inline constexpr int kMaxBands = 39;  // 13 short bands x 3 windows

struct BandLayout {
  int count = 0;                      // bands
  int longCount = 0;                  // leading long bands (22 long, 0 short, 8 or 6 mixed)
  int16_t start[kMaxBands + 1] = {};  // first line of each band in the spectrum as coded; start[count] = 576
  int8_t window[kMaxBands] = {};      // -1 long band, else the short window 0..2
  int8_t sfb[kMaxBands] = {};         // scale-factor band number within its kind
};

void MakeBandLayout(int rateIndex, bool mpeg1, const GranuleChannelInfo& g, BandLayout& out);

inline bool IsShortGranule(const GranuleChannelInfo& g) { return g.windowSwitching && g.blockType == 2; }

}  // namespace lizhi::mpeg
