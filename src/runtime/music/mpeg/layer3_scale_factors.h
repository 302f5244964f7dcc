// Layer III scale factors (part 2 of each granule and channel):
// ISO/IEC 11172-3 2.4.2.7 and 13818-3 2.4.3.2.
#pragma once
#include <cstdint>

#include "runtime/music/mpeg/bit_reader.h"
#include "runtime/music/mpeg/layer3_bands.h"

namespace lizhi::mpeg {

struct ScaleFactors {
  uint8_t value[kMaxBands] = {};  // per band of the BandLayout
  // MPEG-2 intensity stereo: the largest value the band's field can hold,
  // which marks an illegal intensity position. MPEG-1 uses 7 throughout.
  uint8_t illegalPosition[kMaxBands] = {};
  bool preflag = false;  // MPEG-2: implied by scalefac_compress
};

// MPEG-1. For the second granule, bands whose scfsi group is set keep the
// values of the first granule, so `sf` must still hold them.
void ReadScaleFactorsMpeg1(BitReader& reader, const GranuleChannelInfo& g, const int scfsi[4], bool secondGranule,
                           const BandLayout& layout, ScaleFactors& sf);

// MPEG-2 and 2.5. intensityRight: this is the right channel of a frame with
// intensity stereo on, which changes the meaning of scalefac_compress.
void ReadScaleFactorsLsf(BitReader& reader, const GranuleChannelInfo& g, bool intensityRight, const BandLayout& layout,
                         ScaleFactors& sf);

}  // namespace lizhi::mpeg
