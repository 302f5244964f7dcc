#include "runtime/music/mpeg/layer3.h"

#include <algorithm>
#include <cstring>

#include "runtime/music/mpeg/bit_reader.h"
#include "runtime/music/mpeg/layer3_alias.h"
#include "runtime/music/mpeg/layer3_bands.h"
#include "runtime/music/mpeg/layer3_imdct.h"
#include "runtime/music/mpeg/layer3_reorder.h"
#include "runtime/music/mpeg/layer3_requantize.h"
#include "runtime/music/mpeg/layer3_scale_factors.h"
#include "runtime/music/mpeg/layer3_side_info.h"
#include "runtime/music/mpeg/layer3_stereo.h"
#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {
namespace {

// Subbands that can hold non-zero lines, given that coded lines at and above
// nonZeroLines are zero. Short bands are coded window after window, so their
// lines land further up once reordered: count up to the end of the band.
int SubbandsWithData(const BandLayout& layout, int rateIndex, int nonZeroLines) {
  if (nonZeroLines <= 0) return 0;
  if (layout.longCount == layout.count || nonZeroLines <= layout.start[layout.longCount]) {
    return (nonZeroLines + 17) / 18;
  }
  int b = layout.count - 1;
  while (b > layout.longCount && layout.start[b] >= nonZeroLines) --b;
  const int frequencyEnd = kShortBandStart[rateIndex][layout.sfb[b] + 1];
  return (frequencyEnd + 5) / 6;
}

// Alias reduction and IMDCT over the subbands that can carry data.
void HybridSynthesis(Layer3State& state, float* xr, const GranuleChannelInfo& g, int subbandsWithData, int ch,
                     bool sse2, float (*out)[kMaxSlots], int firstSlot) {
  int subbands = subbandsWithData;
  if (!IsShortGranule(g)) {
    ReduceAliases(xr, std::min(subbandsWithData, 31));
    subbands = std::min(subbandsWithData + 1, 32);
  } else if (g.mixedBlock) {
    if (subbandsWithData > 0) ReduceAliases(xr, 1);  // only between the two long subbands
    subbands = std::max(subbandsWithData, 2);
  }
  (sse2 ? InverseMdctSse2 : InverseMdct)(xr, g, subbands, state.overlap[ch], out, firstSlot);
}

// Keeps the tail of the main data as the reservoir of the next frame.
void KeepReservoir(Layer3State& state, size_t total) {
  const size_t keep = std::min(total, kMaxReservoirBytes);
  std::memmove(state.mainData, state.mainData + (total - keep), keep);
  state.mainDataBytes = keep;
}

}  // namespace

int DecodeLayer3(Layer3State& state, Layer3Scratch& scratch, const FrameHeader& h, const uint8_t* frame,
                 size_t frameBytes, bool sse2, SubbandSamples& out) {
  const bool mpeg1 = h.version == MpegVersion::Mpeg1;
  const int granules = mpeg1 ? 2 : 1;
  const int channels = h.channels();
  const int slots = 18 * granules;
  const size_t sideStart = kFrameHeaderBytes + (h.crcProtected ? 2 : 0);
  const size_t sideBytes = SideInfoBytes(h);

  SideInfo side;
  bool valid = false;
  size_t payloadBytes = 0;
  const uint8_t* payload = nullptr;
  if (frameBytes >= sideStart + sideBytes) {
    BitReader sideReader(frame + sideStart, sideBytes);
    valid = ReadSideInfo(sideReader, h, side);
    payload = frame + sideStart + sideBytes;
    payloadBytes = std::min(frameBytes - sideStart - sideBytes, kMaxLayer3FrameBytes);
  }

  // Append this frame's main data to the reservoir.
  const size_t reservoir = state.mainDataBytes;
  if (payloadBytes) std::memcpy(state.mainData + reservoir, payload, payloadBytes);
  const size_t total = reservoir + payloadBytes;
  std::memset(state.mainData + total, 0, kMainDataPaddingBytes);
  // The first frames after a start or a seek may point into data never seen:
  // they give no output at all (as the reference decoder does), and their
  // main data only fills the reservoir.
  if (valid && static_cast<size_t>(side.mainDataBegin) > reservoir) {
    KeepReservoir(state, total);
    return 0;
  }

  const int rateIndex = Layer3RateIndex(h);
  size_t bit = valid ? (reservoir - static_cast<size_t>(side.mainDataBegin)) * 8 : 0;
  const size_t totalBits = total * 8;

  // Per channel; the second MPEG-1 granule may reuse the first one's (scfsi).
  ScaleFactors scaleFactors[2];
  for (int gr = 0; gr < granules; ++gr) {
    BandLayout layouts[2];
    int nonZero[2] = {0, 0};
    for (int ch = 0; ch < channels; ++ch) {
      float* xr = scratch.xr[ch];
      if (!valid) {
        std::memset(xr, 0, sizeof(float) * 576);
        continue;
      }
      const GranuleChannelInfo& g = side.info[gr][ch];
      MakeBandLayout(rateIndex, mpeg1, g, layouts[ch]);
      const size_t start = bit;
      const size_t end = std::min(start + static_cast<size_t>(g.part23LengthBits), totalBits);
      bit = start + static_cast<size_t>(g.part23LengthBits);
      if (start >= totalBits) {
        std::memset(xr, 0, sizeof(float) * 576);
        continue;
      }
      BitReader reader(state.mainData, end / 8 + ((end & 7) ? 1 : 0));
      reader.Skip(start);
      ScaleFactors& sf = scaleFactors[ch];
      if (mpeg1) {
        ReadScaleFactorsMpeg1(reader, g, side.scfsi[ch], gr == 1, layouts[ch], sf);
      } else {
        const bool intensityRight = ch == 1 && h.channelMode == ChannelMode::JointStereo && (h.modeExtension & 1);
        ReadScaleFactorsLsf(reader, g, intensityRight, layouts[ch], sf);
      }
      int lines = 0;
      if (reader.positionBits() < end) {
        lines = DecodeHuffman(state.mainData, reader.positionBits(), end, g, rateIndex, scratch.quantised);
      }
      if (lines == 0) {
        std::memset(xr, 0, sizeof(float) * 576);
      } else {
        Requantize(scratch.quantised, lines, g, layouts[ch], sf, xr);
      }
      nonZero[ch] = lines;
    }
    if (valid && channels == 2) {
      ProcessStereo(h, layouts[1], scaleFactors[1], side.info[gr][1].scalefacCompress & 1, scratch.xr[0], scratch.xr[1],
                    nonZero);
    }
    for (int ch = 0; ch < channels; ++ch) {
      float* xr = scratch.xr[ch];
      if (!valid) {
        GranuleChannelInfo silent;
        HybridSynthesis(state, xr, silent, 0, ch, sse2, out[ch], 18 * gr);
        continue;
      }
      const GranuleChannelInfo& g = side.info[gr][ch];
      const int subbands = SubbandsWithData(layouts[ch], rateIndex, nonZero[ch]);
      if (IsShortGranule(g)) ReorderShortBands(layouts[ch], rateIndex, xr);
      HybridSynthesis(state, xr, g, subbands, ch, sse2, out[ch], 18 * gr);
    }
  }

  KeepReservoir(state, total);
  return slots;
}

}  // namespace lizhi::mpeg
