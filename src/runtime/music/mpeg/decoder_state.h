// The decoder's whole fixed-size state (no heap): bit reservoir, overlap-add
// buffers of the layer III IMDCT and the polyphase synthesis histories.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lizhi::mpeg {

// Largest main_data_begin (9 bits) plus the largest frame payload.
inline constexpr size_t kReservoirBytes = 511 + 2881 + 8;

struct SynthesisState {
  float v[2][2 * 512];  // per channel: the V vector, doubled so a window is contiguous
  int offset[2];
};

struct DecoderState {
  uint8_t reservoir[kReservoirBytes];
  size_t reservoirBytes;
  float overlap[2][32][18];  // IMDCT overlap-add (layer III)
  SynthesisState synthesis;
  bool haveHeader;
};

}  // namespace lizhi::mpeg
