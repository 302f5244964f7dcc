#include <gtest/gtest.h>

#include "runtime/music/mpeg/frame_header.h"

namespace lizhi::mpeg {
namespace {

FrameHeader Parse(uint8_t b1, uint8_t b2, uint8_t b3, bool* ok = nullptr) {
  const uint8_t bytes[4] = {0xFF, b1, b2, b3};
  FrameHeader h;
  const bool parsed = ParseFrameHeader(bytes, sizeof(bytes), h);
  if (ok != nullptr) *ok = parsed;
  return h;
}

TEST(MpegFrameHeader, ParsesMpeg1Layer3) {
  bool ok = false;
  // MPEG-1 layer III, no CRC, 128 kbit/s, 44.1 kHz, padding, joint stereo, MS.
  const FrameHeader h = Parse(0xFB, 0x92, 0x60, &ok);
  ASSERT_TRUE(ok);
  EXPECT_EQ(h.version, MpegVersion::Mpeg1);
  EXPECT_EQ(h.layer, 3);
  EXPECT_EQ(h.bitrateKbps, 128);
  EXPECT_EQ(h.sampleRate, 44100);
  EXPECT_TRUE(h.padding);
  EXPECT_EQ(h.channelMode, ChannelMode::JointStereo);
  EXPECT_EQ(h.modeExtension, 2);
  EXPECT_FALSE(h.crcProtected);
  EXPECT_EQ(h.frameBytes, 418);  // 144 * 128000 / 44100 + 1
  EXPECT_EQ(h.channels(), 2);
  EXPECT_EQ(h.samplesPerFrame(), 1152);
}

TEST(MpegFrameHeader, ParsesLayer1AndLayer2Lengths) {
  // Layer I, CRC, 384 kbit/s, 32 kHz: 4 * (12 * 384000 / 32000) = 576 bytes.
  const FrameHeader l1 = Parse(0xFE, 0xC8, 0x04);
  EXPECT_EQ(l1.layer, 1);
  EXPECT_TRUE(l1.crcProtected);
  EXPECT_EQ(l1.frameBytes, 576);
  EXPECT_EQ(l1.samplesPerFrame(), 384);
  // Layer II, 192 kbit/s, 32 kHz: 144 * 192000 / 32000 = 864 bytes.
  const FrameHeader l2 = Parse(0xFC, 0xA8, 0x00);
  EXPECT_EQ(l2.layer, 2);
  EXPECT_EQ(l2.bitrateKbps, 192);
  EXPECT_EQ(l2.frameBytes, 864);
  EXPECT_EQ(l2.samplesPerFrame(), 1152);
}

TEST(MpegFrameHeader, ParsesLowerSamplingRates) {
  // MPEG-2 layer III, 64 kbit/s, 22.05 kHz, mono: 72 * 64000 / 22050 = 208.
  const FrameHeader m2 = Parse(0xF3, 0x80, 0xC0);
  EXPECT_EQ(m2.version, MpegVersion::Mpeg2);
  EXPECT_EQ(m2.sampleRate, 22050);
  EXPECT_EQ(m2.bitrateKbps, 64);
  EXPECT_EQ(m2.frameBytes, 208);
  EXPECT_EQ(m2.channels(), 1);
  EXPECT_EQ(m2.samplesPerFrame(), 576);
  // MPEG-2.5 layer III, 8 kbit/s, 8 kHz: 72 * 8000 / 8000 = 72.
  const FrameHeader m25 = Parse(0xE3, 0x18, 0xC0);
  EXPECT_EQ(m25.version, MpegVersion::Mpeg25);
  EXPECT_EQ(m25.sampleRate, 8000);
  EXPECT_EQ(m25.frameBytes, 72);
  EXPECT_EQ(m25.samplesPerFrame(), 576);
}

TEST(MpegFrameHeader, RejectsInvalidHeaders) {
  bool ok = true;
  const uint8_t badSync[4] = {0xFE, 0xFB, 0x92, 0x60};
  FrameHeader h;
  EXPECT_FALSE(ParseFrameHeader(badSync, 4, h));
  Parse(0xEB, 0x92, 0x60, &ok);  // reserved version
  EXPECT_FALSE(ok);
  Parse(0xF9, 0x92, 0x60, &ok);  // reserved layer
  EXPECT_FALSE(ok);
  Parse(0xFB, 0xF2, 0x60, &ok);  // bitrate index 15
  EXPECT_FALSE(ok);
  Parse(0xFB, 0x02, 0x60, &ok);  // free format
  EXPECT_FALSE(ok);
  Parse(0xFB, 0x9E, 0x60, &ok);  // reserved sample rate
  EXPECT_FALSE(ok);
  const uint8_t good[4] = {0xFF, 0xFB, 0x92, 0x60};
  EXPECT_FALSE(ParseFrameHeader(good, 3, h));
  EXPECT_FALSE(ParseFrameHeader(nullptr, 4, h));
}

}  // namespace
}  // namespace lizhi::mpeg
