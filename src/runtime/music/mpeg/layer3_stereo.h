// Layer III joint stereo: middle/side and intensity stereo
// (ISO/IEC 11172-3 2.4.3.4.9, 13818-3 2.4.3.2).
#pragma once

#include "runtime/music/mpeg/frame_header.h"
#include "runtime/music/mpeg/layer3_bands.h"
#include "runtime/music/mpeg/layer3_scale_factors.h"

namespace lizhi::mpeg {

// Processes both channels of one granule in place. `layout` and `right` are the
// right channel's band layout and scale factors (intensity positions), and
// `intensityScale` the LSF intensity_scale (the right channel's
// scalefac_compress & 1). nonZero[ch] bound the lines that may be non-zero;
// both are updated.
void ProcessStereo(const FrameHeader& h, const BandLayout& layout, const ScaleFactors& right, int intensityScale,
                   float left[576], float rightLines[576], int nonZero[2]);

}  // namespace lizhi::mpeg
