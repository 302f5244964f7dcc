// The decoder's whole fixed-size state (no heap): the layer III bit reservoir
// and IMDCT overlap, the polyphase synthesis histories, and scratch space.
#pragma once

#include "runtime/music/mpeg/layer12.h"
#include "runtime/music/mpeg/layer3.h"
#include "runtime/music/mpeg/synthesis.h"

namespace lizhi::mpeg {

struct DecoderState {
  Layer3State layer3;
  SynthesisChannel synthesis[2];
  // Scratch of one frame.
  Layer3Scratch layer3Scratch;
  SubbandSamples subbands;
};

}  // namespace lizhi::mpeg
