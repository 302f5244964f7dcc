// Layers I and II: bit allocation, scale factors and requantised subband
// samples (ISO/IEC 11172-3 2.4.3.2 and 2.4.3.3, 13818-3 2.4.3.1).
#pragma once

#include "runtime/music/mpeg/bit_reader.h"
#include "runtime/music/mpeg/frame_header.h"

namespace lizhi::mpeg {

// Subband samples of one frame: [channel][subband][time slot], the time slots
// of a subband one after another (the synthesis transforms four at once).
// Layer I fills 12 time slots, layer II and MPEG-1 layer III 36, MPEG-2
// layer III 18.
inline constexpr int kMaxSlots = 36;
using SubbandSamples = float[2][32][kMaxSlots];

// `reader` starts after the header and CRC. False when the data is damaged
// beyond use (the reader ran past the frame); samples are then unspecified.
bool DecodeLayer1(BitReader& reader, const FrameHeader& h, SubbandSamples& out);
bool DecodeLayer2(BitReader& reader, const FrameHeader& h, SubbandSamples& out);

}  // namespace lizhi::mpeg
