// Layer III frame decoding up to the subband samples: side information, bit
// reservoir, and per granule and channel the stages of the standard (scale
// factors, Huffman decoding, requantisation, stereo processing, reordering,
// alias reduction, IMDCT).
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/music/mpeg/frame_header.h"
#include "runtime/music/mpeg/layer12.h"
#include "runtime/music/mpeg/layer3_huffman.h"
#include "runtime/music/mpeg/layer3_imdct.h"

namespace lizhi::mpeg {

// main_data_begin reaches back at most 511 bytes (9 bits, MPEG-1).
inline constexpr size_t kMaxReservoirBytes = 511;
// Largest layer III frame: 320 kbit/s at 32 kHz, or 160 kbit/s at 8 kHz, plus padding.
inline constexpr size_t kMaxLayer3FrameBytes = 1441;

struct Layer3State {
  // The bit reservoir followed by the current frame's main data.
  uint8_t mainData[kMaxReservoirBytes + kMaxLayer3FrameBytes + kMainDataPaddingBytes];
  size_t mainDataBytes;     // reservoir bytes kept from earlier frames
  ImdctOverlap overlap[2];  // IMDCT second halves of the previous granule
};

// Scratch space of one granule (kept out of the stack of the caller's thread).
struct Layer3Scratch {
  int32_t quantised[576];
  float xr[2][576];
};

// Decodes one layer III frame (frameBytes bytes from the sync) into
// out[channel][time slot][subband]. Returns the time slots produced (36
// MPEG-1, 18 MPEG-2/2.5), or 0 when the frame's main data begins before the
// data the reservoir holds (the first frames after a start or a seek). A
// damaged frame produces silence for its granules. Either way the frame's
// main data goes into the bit reservoir. sse2: use the SSE2 IMDCT.
int DecodeLayer3(Layer3State& state, Layer3Scratch& scratch, const FrameHeader& h, const uint8_t* frame,
                 size_t frameBytes, bool sse2, SubbandSamples& out);

}  // namespace lizhi::mpeg
