// Layer III hybrid synthesis (ISO/IEC 11172-3 2.4.3.4.10): the inverse MDCT of
// each subband with its block's window, overlap-add with the previous granule,
// and the frequency inversion of odd subbands.
#pragma once

#include "runtime/music/mpeg/layer12.h"
#include "runtime/music/mpeg/layer3_side_info.h"

namespace lizhi::mpeg {

// The second halves kept from the previous granule, in groups of four
// subbands: [group][time slot][subband within the group].
using ImdctOverlap = float[8][18][4];

// xr: the 576 lines (short blocks already reordered). Subbands at or above
// `subbands` are taken as zero. overlap: replaced by this granule's second
// halves. out: per subband, the granule's 18 time slots from out[sb][firstSlot].
void InverseMdct(const float xr[576], const GranuleChannelInfo& g, int subbands, ImdctOverlap& overlap,
                 float (*out)[kMaxSlots], int firstSlot);

// The same with SSE2 (only where CpuHasSse2()): the same float operations.
void InverseMdctSse2(const float xr[576], const GranuleChannelInfo& g, int subbands, ImdctOverlap& overlap,
                     float (*out)[kMaxSlots], int firstSlot);

}  // namespace lizhi::mpeg
