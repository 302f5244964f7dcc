#include "runtime/music/mpeg/frame_header.h"

namespace lizhi::mpeg {
namespace {

// ISO/IEC 11172-3 Table 2.4.2.3 and 13818-3 Table 2.4.2.3 (kbit/s); index 0 is
// free format, index 15 forbidden.
constexpr int kBitratesMpeg1[3][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
};
constexpr int kBitratesMpeg2[3][15] = {
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
};
constexpr int kSampleRatesMpeg1[3] = {44100, 48000, 32000};

}  // namespace

int FrameHeader::samplesPerFrame() const {
  if (layer == 1) return 384;
  if (layer == 3 && version != MpegVersion::Mpeg1) return 576;
  return 1152;
}

bool ParseFrameHeader(const uint8_t* bytes, size_t size, FrameHeader& out) {
  if (bytes == nullptr || size < kFrameHeaderBytes) return false;
  if (bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) return false;
  const int versionBits = (bytes[1] >> 3) & 3;
  const int layerBits = (bytes[1] >> 1) & 3;
  const int bitrateIndex = bytes[2] >> 4;
  const int rateIndex = (bytes[2] >> 2) & 3;
  if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) {
    return false;
  }
  FrameHeader h;
  h.version = versionBits == 3 ? MpegVersion::Mpeg1 : versionBits == 2 ? MpegVersion::Mpeg2 : MpegVersion::Mpeg25;
  h.layer = 4 - layerBits;
  h.crcProtected = (bytes[1] & 1) == 0;
  h.bitrateKbps = h.version == MpegVersion::Mpeg1 ? kBitratesMpeg1[h.layer - 1][bitrateIndex]
                                                  : kBitratesMpeg2[h.layer - 1][bitrateIndex];
  const int shift = h.version == MpegVersion::Mpeg1 ? 0 : h.version == MpegVersion::Mpeg2 ? 1 : 2;
  h.sampleRate = kSampleRatesMpeg1[rateIndex] >> shift;
  h.padding = ((bytes[2] >> 1) & 1) != 0;
  h.channelMode = static_cast<ChannelMode>(bytes[3] >> 6);
  h.modeExtension = (bytes[3] >> 4) & 3;
  const int bitsPerSecond = h.bitrateKbps * 1000;
  if (h.layer == 1) {
    // Layer I slots are 4 bytes.
    h.frameBytes = (12 * bitsPerSecond / h.sampleRate + (h.padding ? 1 : 0)) * 4;
  } else {
    // samplesPerFrame / 8 bytes per bit: 144 for 1152 samples, 72 for 576.
    const int factor = h.samplesPerFrame() / 8;
    h.frameBytes = factor * bitsPerSecond / h.sampleRate + (h.padding ? 1 : 0);
  }
  out = h;
  return true;
}

}  // namespace lizhi::mpeg
