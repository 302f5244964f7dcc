#include "runtime/music/mpeg/decoder.h"

#include <cstring>

#include "runtime/music/mpeg/bit_reader.h"

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
  if (channels_ == 0 || input == nullptr || pcmOut == nullptr || !ParseFrameHeader(input, size, h)) return {0, 0};
  const auto frameBytes = static_cast<size_t>(h.frameBytes);
  // A different sample rate cannot go into the same output: the caller
  // re-initialises from this header.
  if (frameBytes > size || h.sampleRate != sampleRate_) return {0, 0};

  SubbandSamples& subbands = state_.subbands;
  const size_t audioStart = kFrameHeaderBytes + (h.crcProtected ? 2 : 0);
  int slots = 0;
  bool ok = frameBytes > audioStart;
  if (h.layer == 3) {
    slots = DecodeLayer3(state_.layer3, state_.layer3Scratch, h, input, frameBytes, usesSse2(), subbands);
  } else {
    slots = h.layer == 1 ? 12 : 36;
    if (ok) {
      BitReader reader(input + audioStart, frameBytes - audioStart);
      ok = h.layer == 1 ? DecodeLayer1(reader, h, subbands) : DecodeLayer2(reader, h, subbands);
    }
    // A damaged frame plays as silence, keeping the filterbank's history continuous.
    if (!ok) std::memset(subbands, 0, sizeof(subbands));
  }

  if (slots == 0) return {frameBytes, 0};

  const int frameChannels = h.channels();
  const int outChannels = followFrameChannels_ ? frameChannels : channels_;
  lastFrameChannels_ = outChannels;
  auto* pcm = reinterpret_cast<int16_t*>(pcmOut);
  const int samples = 32 * slots;
  const auto synthesize = usesSse2() ? SynthesizeSse2 : Synthesize;
  if (outChannels == 1) {
    synthesize(state_.synthesis[0], subbands[0], slots, pcm, 1);  // a stereo frame gives its left channel
  } else if (frameChannels == 2) {
    synthesize(state_.synthesis[0], subbands[0], slots, pcm, 2);
    synthesize(state_.synthesis[1], subbands[1], slots, pcm + 1, 2);
  } else {
    synthesize(state_.synthesis[0], subbands[0], slots, pcm, 2);
    for (int i = 0; i < samples; ++i) pcm[2 * i + 1] = pcm[2 * i];
  }
  return {frameBytes, static_cast<size_t>(samples) * static_cast<size_t>(outChannels) * 2};
}

}  // namespace lizhi::mpeg
