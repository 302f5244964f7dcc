// MPEG audio frame decoder: layers I, II and III of MPEG-1, MPEG-2 and MPEG-2.5.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/music/mpeg/decoder_state.h"
#include "runtime/music/mpeg/frame_header.h"
#include "runtime/music/mpeg/simd.h"

namespace lizhi::mpeg {

// Fixed-size state, no heap allocation, no globals: two decoders can run at once.
class Decoder {
 public:
  // Full output rate, 16-bit output. The frequency limit of 24000 Hz that the
  // player asks for is an upper bound on the decoded band; every stream this
  // decoder accepts has a Nyquist frequency of at most 24000 Hz (48 kHz is the
  // highest sample rate), so the limit never removes anything and decoding is
  // always full band. False when the stream is not decodable (invalid header).
  bool Init(const FrameHeader& first);

  int channels() const { return channels_; }
  int sampleRate() const { return sampleRate_; }
  int bitsPerSample() const { return 16; }

  static constexpr size_t kMaxPcmBytesPerFrame = 1152 * 2 * 2;

  struct Result {
    size_t bytesConsumed;  // 0 = the bytes did not decode
    size_t pcmBytes;
  };

  // input: at least one whole frame starting at a sync. pcmOut: room for
  // kMaxPcmBytesPerFrame. PCM is interleaved int16 little-endian with the
  // channel count given by channels(): a frame whose own channel count differs
  // is converted (mono duplicated, stereo's first channel taken), unless
  // SetFollowFrameChannels(true) was called. A frame with another sample rate
  // does not decode (the caller initialises again). A frame whose data is
  // damaged decodes as silence. A layer III frame whose main data lies in
  // frames before the first one decoded produces no PCM (pcmBytes 0).
  Result DecodeFrame(const uint8_t* input, size_t size, uint8_t* pcmOut);

  // With `on`, each frame's PCM keeps the frame's own channel count
  // (lastFrameChannels()), as the ISO reference decoder writes it; for tools
  // and tests. Off by default.
  void SetFollowFrameChannels(bool on) { followFrameChannels_ = on; }
  int lastFrameChannels() const { return lastFrameChannels_; }

  // With `on`, the hot stages run their scalar code even where the processor
  // has SSE2 (which they use by default); both give PCM within the compliance
  // limits, not necessarily the same samples. Kept across Init.
  void SetForceScalar(bool on) { forceScalar_ = on; }
  bool usesSse2() const { return hasSse2_ && !forceScalar_; }

  // Forget the bit reservoir and the filter histories (after a seek).
  void Reset();

 private:
  int channels_ = 0;
  int sampleRate_ = 0;
  bool followFrameChannels_ = false;
  int lastFrameChannels_ = 0;
  bool hasSse2_ = CpuHasSse2();
  bool forceScalar_ = false;
  DecoderState state_{};
};

}  // namespace lizhi::mpeg
