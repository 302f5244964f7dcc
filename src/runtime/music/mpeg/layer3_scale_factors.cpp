#include "runtime/music/mpeg/layer3_scale_factors.h"

#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {

void ReadScaleFactorsMpeg1(BitReader& reader, const GranuleChannelInfo& g, const int scfsi[4], bool secondGranule,
                           const BandLayout& layout, ScaleFactors& sf) {
  const int slen1 = kSlen[0][g.scalefacCompress & 15];
  const int slen2 = kSlen[1][g.scalefacCompress & 15];
  sf.preflag = g.preflag;
  if (!IsShortGranule(g)) {
    // scfsi groups of long bands: 0-5, 6-10, 11-15, 16-20.
    constexpr int kGroupEnd[4] = {6, 11, 16, 21};
    int band = 0;
    for (int group = 0; group < 4; ++group) {
      const bool reuse = secondGranule && scfsi[group] != 0;
      for (; band < kGroupEnd[group]; ++band) {
        if (!reuse) sf.value[band] = static_cast<uint8_t>(reader.Read(band < 11 ? slen1 : slen2));
      }
    }
    sf.value[21] = 0;
  } else {
    for (int b = 0; b < layout.count; ++b) {
      const int sfb = layout.sfb[b];
      int bits = 0;
      if (layout.window[b] < 0) {
        bits = slen1;  // long part of a mixed block: bands 0-7
      } else if (sfb < 6) {
        bits = slen1;
      } else if (sfb < 12) {
        bits = slen2;
      }
      sf.value[b] = static_cast<uint8_t>(bits ? reader.Read(bits) : 0);
    }
  }
  for (int b = 0; b < layout.count; ++b) sf.illegalPosition[b] = 7;
}

void ReadScaleFactorsLsf(BitReader& reader, const GranuleChannelInfo& g, bool intensityRight, const BandLayout& layout,
                         ScaleFactors& sf) {
  int slen[4] = {};
  int row = 0;
  bool preflag = false;
  const int sfc = g.scalefacCompress;
  if (!intensityRight) {
    if (sfc < 400) {
      slen[0] = (sfc >> 4) / 5;
      slen[1] = (sfc >> 4) % 5;
      slen[2] = (sfc & 15) >> 2;
      slen[3] = sfc & 3;
      row = 0;
    } else if (sfc < 500) {
      const int s = sfc - 400;
      slen[0] = (s >> 2) / 5;
      slen[1] = (s >> 2) % 5;
      slen[2] = s & 3;
      row = 1;
    } else {
      const int s = sfc - 500;
      slen[0] = s / 3;
      slen[1] = s % 3;
      row = 2;
      preflag = true;
    }
  } else {
    const int s = sfc >> 1;
    if (s < 180) {
      slen[0] = s / 36;
      slen[1] = (s % 36) / 6;
      slen[2] = (s % 36) % 6;
      row = 3;
    } else if (s < 244) {
      const int t = s - 180;
      slen[0] = (t % 64) >> 4;
      slen[1] = (t % 16) >> 2;
      slen[2] = t % 4;
      row = 4;
    } else {
      const int t = s - 244;
      slen[0] = t / 3;
      slen[1] = t % 3;
      row = 5;
    }
  }
  const int kind = !IsShortGranule(g) ? 0 : (g.mixedBlock ? 2 : 1);
  int b = 0;
  for (int part = 0; part < 4; ++part) {
    const int count = kLsfPartitions[row][kind][part];
    for (int i = 0; i < count && b < layout.count; ++i, ++b) {
      sf.value[b] = static_cast<uint8_t>(slen[part] ? reader.Read(slen[part]) : 0);
      sf.illegalPosition[b] = static_cast<uint8_t>((1 << slen[part]) - 1);
    }
  }
  // The bands above the last partition (long band 21, short band 12) carry no
  // scale factor; their intensity position is taken from the band below.
  for (; b < layout.count; ++b) {
    sf.value[b] = 0;
    sf.illegalPosition[b] = 0;
  }
  sf.preflag = preflag;
}

}  // namespace lizhi::mpeg
