#include "runtime/music/mpeg/layer12.h"

#include <cstring>

#include "runtime/music/mpeg/layer12_tables.h"

namespace lizhi::mpeg {
namespace {

// Subbands below the bound carry one allocation per channel; from the bound
// up (joint stereo) the channels share one allocation and the samples.
int JointStereoBound(const FrameHeader& h, int sblimit) {
  if (h.channelMode != ChannelMode::JointStereo) return sblimit;
  const int bound = (h.modeExtension + 1) * 4;
  return bound < sblimit ? bound : sblimit;
}

// (2v - (levels - 1)) / levels: the requantised fraction of a code v.
inline float Fraction(uint32_t v, uint32_t levels) {
  return static_cast<float>(2 * static_cast<int32_t>(v) - static_cast<int32_t>(levels - 1)) /
         static_cast<float>(levels);
}

int Layer2TableIndex(const FrameHeader& h) {
  if (h.version != MpegVersion::Mpeg1) return 4;
  const int perChannel = h.channelMode == ChannelMode::Mono ? h.bitrateKbps : h.bitrateKbps / 2;
  if (perChannel <= 48) return h.sampleRate == 32000 ? 3 : 2;
  if (perChannel <= 80 || h.sampleRate == 48000) return 0;
  return 1;
}

}  // namespace

bool DecodeLayer1(BitReader& reader, const FrameHeader& h, SubbandSamples& out) {
  const int channels = h.channels();
  const int bound = JointStereoBound(h, 32);
  int allocation[2][32] = {};
  int scale[2][32] = {};
  for (int sb = 0; sb < 32; ++sb) {
    for (int ch = 0; ch < channels; ++ch) {
      if (sb >= bound && ch == 1) {
        allocation[1][sb] = allocation[0][sb];
        continue;
      }
      int a = static_cast<int>(reader.Read(4));
      if (a == 15) a = 0;  // forbidden value: treat the subband as silent
      allocation[ch][sb] = a;
    }
  }
  for (int sb = 0; sb < 32; ++sb) {
    for (int ch = 0; ch < channels; ++ch) {
      if (allocation[ch][sb]) scale[ch][sb] = static_cast<int>(reader.Read(6));
    }
  }
  for (int slot = 0; slot < 12; ++slot) {
    for (int sb = 0; sb < 32; ++sb) {
      float fraction = 0.0f;  // above the bound: read once, used by both channels
      for (int ch = 0; ch < channels; ++ch) {
        const int a = allocation[ch][sb];
        if (a == 0) {
          out[ch][sb][slot] = 0.0f;
          continue;
        }
        if (!(sb >= bound && ch == 1)) {
          const int bits = a + 1;
          fraction = Fraction(reader.Read(bits), (1u << bits) - 1);
        }
        out[ch][sb][slot] = fraction * kLayer12ScaleFactors[scale[ch][sb]];
      }
    }
  }
  return !reader.overrun();
}

bool DecodeLayer2(BitReader& reader, const FrameHeader& h, SubbandSamples& out) {
  const int channels = h.channels();
  const AllocationTable& table = kAllocationTables[Layer2TableIndex(h)];
  const int sblimit = table.sblimit;
  const int bound = JointStereoBound(h, sblimit);

  const uint8_t* classList[32] = {};
  int allocationBits[32] = {};
  {
    int sb = 0;
    for (int r = 0; r < table.runCount; ++r) {
      for (int i = 0; i < table.runs[r].subbands; ++i, ++sb) {
        classList[sb] = table.runs[r].classes;
        allocationBits[sb] = table.runs[r].allocationBits;
      }
    }
  }

  // Quantisation class per channel and subband, -1 = nothing allocated.
  int quant[2][32];
  for (int sb = 0; sb < 32; ++sb) quant[0][sb] = quant[1][sb] = -1;
  for (int sb = 0; sb < sblimit; ++sb) {
    for (int ch = 0; ch < channels; ++ch) {
      if (sb >= bound && ch == 1) {
        quant[1][sb] = quant[0][sb];
        continue;
      }
      const uint32_t a = reader.Read(allocationBits[sb]);
      quant[ch][sb] = a == 0 ? -1 : classList[sb][a - 1];
    }
  }
  int scfsi[2][32] = {};
  for (int sb = 0; sb < sblimit; ++sb) {
    for (int ch = 0; ch < channels; ++ch) {
      if (quant[ch][sb] >= 0) scfsi[ch][sb] = static_cast<int>(reader.Read(2));
    }
  }
  int scale[2][32][3] = {};
  for (int sb = 0; sb < sblimit; ++sb) {
    for (int ch = 0; ch < channels; ++ch) {
      if (quant[ch][sb] < 0) continue;
      int* s = scale[ch][sb];
      switch (scfsi[ch][sb]) {
        case 0:
          s[0] = static_cast<int>(reader.Read(6));
          s[1] = static_cast<int>(reader.Read(6));
          s[2] = static_cast<int>(reader.Read(6));
          break;
        case 1:
          s[0] = s[1] = static_cast<int>(reader.Read(6));
          s[2] = static_cast<int>(reader.Read(6));
          break;
        case 2:
          s[0] = s[1] = s[2] = static_cast<int>(reader.Read(6));
          break;
        default:
          s[0] = static_cast<int>(reader.Read(6));
          s[1] = s[2] = static_cast<int>(reader.Read(6));
          break;
      }
    }
  }

  for (int ch = 0; ch < 2; ++ch) {
    for (int sb = sblimit; sb < 32; ++sb) std::memset(out[ch][sb], 0, sizeof(out[ch][sb]));
  }
  for (int granule = 0; granule < 12; ++granule) {
    const int part = granule / 4;
    for (int sb = 0; sb < sblimit; ++sb) {
      float f[3] = {};  // above the bound: read once, used by both channels
      for (int ch = 0; ch < channels; ++ch) {
        float* s0 = &out[ch][sb][3 * granule];
        float* s1 = s0 + 1;
        float* s2 = s0 + 2;
        const int q = quant[ch][sb];
        if (q < 0) {
          *s0 = *s1 = *s2 = 0.0f;
          continue;
        }
        if (!(sb >= bound && ch == 1)) {
          const QuantClass& c = kQuantClasses[q];
          if (c.grouped) {
            uint32_t code = reader.Read(c.bits);
            for (float& x : f) {
              x = Fraction(code % c.levels, c.levels);
              code /= c.levels;
            }
          } else {
            for (float& x : f) x = Fraction(reader.Read(c.bits), c.levels);
          }
        }
        const float factor = kLayer12ScaleFactors[scale[ch][sb][part]];
        *s0 = f[0] * factor;
        *s1 = f[1] * factor;
        *s2 = f[2] * factor;
      }
    }
  }
  return !reader.overrun();
}

}  // namespace lizhi::mpeg
