// Polyphase synthesis filterbank (ISO/IEC 11172-3 2.4.3.2 and Annex A
// Figure A.2): 32 subband samples in, 32 PCM samples out, per time slot.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/music/mpeg/layer12.h"

namespace lizhi::mpeg {

// History of one channel: the last 16 V vectors (64 values each).
struct SynthesisChannel {
  float v[16][64];
  int newest;  // slot of the most recent V vector
};

// Runs `slots` time slots of one channel: subbands[sb][t] -> PCM samples
// written as int16 little-endian to pcm + (32 t + j) * stride (stride in
// samples, i.e. the channel count for interleaved output). Rows hold
// kMaxSlots slots; a slot count that is not a multiple of 4 may read (not use)
// up to 3 slots past `slots`.
void Synthesize(SynthesisChannel& state, const float (*subbands)[kMaxSlots], int slots, int16_t* pcm, int stride);

// The same with SSE2 (only where CpuHasSse2()). The float operations are those
// of Synthesize in the same order; rounding and saturation give the same
// samples.
void SynthesizeSse2(SynthesisChannel& state, const float (*subbands)[kMaxSlots], int slots, int16_t* pcm, int stride);

}  // namespace lizhi::mpeg
