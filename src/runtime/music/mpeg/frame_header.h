// MPEG audio frame header (ISO/IEC 11172-3 2.4.1.3, 13818-3 2.4.1.3 and the
// MPEG-2.5 extension): the four bytes at a frame sync.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lizhi::mpeg {

enum class MpegVersion : uint8_t { Mpeg1, Mpeg2, Mpeg25 };
enum class ChannelMode : uint8_t { Stereo = 0, JointStereo = 1, DualChannel = 2, Mono = 3 };

struct FrameHeader {
  MpegVersion version = MpegVersion::Mpeg1;
  int layer = 0;  // 1..3
  int bitrateKbps = 0;
  int sampleRate = 0;
  bool padding = false;
  ChannelMode channelMode = ChannelMode::Stereo;
  int modeExtension = 0;
  bool crcProtected = false;
  int frameBytes = 0;  // whole frame length in bytes, header included

  int channels() const { return channelMode == ChannelMode::Mono ? 1 : 2; }
  // 384 (layer I), 1152 (layer II, layer III MPEG-1), 576 (layer III MPEG-2/2.5).
  int samplesPerFrame() const;
};

inline constexpr size_t kFrameHeaderBytes = 4;

// Parses the 4 bytes at a frame sync. False on an invalid header: bad sync,
// reserved version, layer or sample rate, bitrate index 15, and free format
// (bitrate index 0), which this decoder does not support.
bool ParseFrameHeader(const uint8_t* bytes, size_t size, FrameHeader& out);

}  // namespace lizhi::mpeg
