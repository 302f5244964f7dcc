// Layer III requantisation (ISO/IEC 11172-3 2.4.3.4.7):
// xr = sign(q) |q|^(4/3) 2^((global_gain - 210) / 4) 2^-(scale factor terms).
#pragma once
#include <cstdint>

#include "runtime/music/mpeg/layer3_bands.h"
#include "runtime/music/mpeg/layer3_scale_factors.h"

namespace lizhi::mpeg {

// Requantises the first `lines` lines of quantised[] into xr[]; lines beyond
// are set to zero.
void Requantize(const int32_t quantised[576], int lines, const GranuleChannelInfo& g, const BandLayout& layout,
                const ScaleFactors& sf, float xr[576]);

}  // namespace lizhi::mpeg
