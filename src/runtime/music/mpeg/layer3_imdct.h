// Layer III hybrid synthesis (ISO/IEC 11172-3 2.4.3.4.10): the inverse MDCT of
// each subband with its block's window, overlap-add with the previous granule,
// and the frequency inversion of odd subbands.
#pragma once

#include "runtime/music/mpeg/layer3_side_info.h"

namespace lizhi::mpeg {

// xr: the 576 lines (short blocks already reordered). Subbands at or above
// `subbands` are zero. overlap: the second halves kept from the previous
// granule, replaced by this granule's. out: 18 time slots of 32 subband samples.
void InverseMdct(const float xr[576], const GranuleChannelInfo& g, int subbands, float overlap[32][18],
                 float out[18][32]);

}  // namespace lizhi::mpeg
