// Output format of a decoded stream and the buffer sizes derived from it.
#pragma once
#include <cstddef>

namespace lizhi::music {

struct PcmFormat {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  int samplesPerFrame = 0;   // per channel, per MPEG frame
  size_t framePcmBytes = 0;  // one decoded frame: channels x bytes per sample x samples

  int blockAlign() const { return bitsPerSample / 8 * channels; }
  int bytesPerSecond() const { return blockAlign() * sampleRate; }
};

// About 3 s of CD-quality stereo, rounded down to whole decoded frames.
inline constexpr size_t kPcmRingLimitBytes = 524288;

inline constexpr size_t PcmRingBytes(size_t framePcmBytes) {
  return framePcmBytes == 0 ? 0 : kPcmRingLimitBytes - kPcmRingLimitBytes % framePcmBytes;
}

// One frame-sized block of the ring always stays with the decoder, so the
// device can hold all the others at once.
inline constexpr size_t WaveHeaderCount(size_t framePcmBytes) {
  const size_t frames = framePcmBytes == 0 ? 0 : PcmRingBytes(framePcmBytes) / framePcmBytes;
  return frames > 1 ? frames - 1 : 1;
}

}  // namespace lizhi::music
