// Layer III reordering of short-block lines (ISO/IEC 11172-3 2.4.3.4.8): from
// the coded order (band, window, line) to subband order, so that each subband's
// 18 lines hold its three windows one after another (6 lines each).
#pragma once

#include "runtime/music/mpeg/layer3_bands.h"

namespace lizhi::mpeg {

// Reorders the short bands of xr[] in place (long bands are left as they are).
void ReorderShortBands(const BandLayout& layout, int rateIndex, float xr[576]);

}  // namespace lizhi::mpeg
