#include "runtime/music/mpeg/decoder.h"

#include <cstring>

namespace lizhi::mpeg {

bool Decoder::Init(const FrameHeader& first) {
  if (first.layer < 1 || first.layer > 3 || first.sampleRate <= 0 || first.frameBytes <= 0) return false;
  channels_ = first.channels();
  sampleRate_ = first.sampleRate;
  Reset();
  return true;
}

void Decoder::Reset() { std::memset(&state_, 0, sizeof(state_)); }

Decoder::Result Decoder::DecodeFrame(const uint8_t* input, size_t size, uint8_t* pcmOut) {
  FrameHeader h;
  if (channels_ == 0 || !ParseFrameHeader(input, size, h) || static_cast<size_t>(h.frameBytes) > size) {
    return {0, 0};
  }
  const size_t pcmBytes = static_cast<size_t>(h.samplesPerFrame()) * channels_ * 2;
  std::memset(pcmOut, 0, pcmBytes);
  return {static_cast<size_t>(h.frameBytes), pcmBytes};
}

}  // namespace lizhi::mpeg
