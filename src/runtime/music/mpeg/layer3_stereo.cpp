#include "runtime/music/mpeg/layer3_stereo.h"

#include <algorithm>

#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {
namespace {

constexpr float kInvSqrt2 = 0.70710678118654752440f;

void MiddleSide(float* l, float* r, int from, int to) {
  for (int i = from; i < to; ++i) {
    const float m = l[i];
    const float s = r[i];
    l[i] = (m + s) * kInvSqrt2;
    r[i] = (m - s) * kInvSqrt2;
  }
}

bool AnyNonZero(const float* x, int from, int to) {
  for (int i = from; i < to; ++i) {
    if (x[i] != 0.0f) return true;
  }
  return false;
}

}  // namespace

void ProcessStereo(const FrameHeader& h, const BandLayout& layout, const ScaleFactors& right, int intensityScale,
                   float left[576], float rightLines[576], int nonZero[2]) {
  if (h.channelMode != ChannelMode::JointStereo) return;
  const bool ms = (h.modeExtension & 2) != 0;
  const bool intensity = (h.modeExtension & 1) != 0;
  const bool mpeg1 = h.version == MpegVersion::Mpeg1;

  if (!intensity) {
    if (ms) {
      const int end = std::max(nonZero[0], nonZero[1]);
      MiddleSide(left, rightLines, 0, end);
      nonZero[0] = nonZero[1] = end;
    }
    return;
  }

  // Intensity stereo covers the bands above the highest band in which the
  // right channel has a non-zero line, counted per window for short bands.
  // For mixed blocks the long bands qualify only when the short part of the
  // right channel is zero in every window.
  bool inIntensity[kMaxBands] = {};
  int topNonZeroShort[3] = {-1, -1, -1};  // band index per window
  int topNonZeroLong = -1;
  for (int b = 0; b < layout.count; ++b) {
    if (AnyNonZero(rightLines, layout.start[b], std::min<int>(layout.start[b + 1], nonZero[1]))) {
      if (layout.window[b] < 0) {
        topNonZeroLong = b;
      } else {
        topNonZeroShort[layout.window[b]] = b;
      }
    }
  }

  const bool shortPartZero = topNonZeroShort[0] < 0 && topNonZeroShort[1] < 0 && topNonZeroShort[2] < 0;
  for (int b = 0; b < layout.count; ++b) {
    if (layout.window[b] < 0) {
      inIntensity[b] = b > topNonZeroLong && shortPartZero;
    } else {
      inIntensity[b] = b > topNonZeroShort[layout.window[b]];
    }
  }

  // Intensity position of every band. The top band of each kind (long band
  // 21, short band 12 of each window) has no scale factor: it takes the
  // position of the band below when that band is intensity coded too, and
  // otherwise the position that shares the signal equally (MPEG-1 3, MPEG-2
  // 0). This is what the reference decoder's output of the compliance streams
  // l3-test45 and l3-test46 (MPEG-2) and l3-he_mode (MPEG-1) shows.
  for (int b = 0; b < layout.count; ++b) {
    int source = b;
    const bool topLong = layout.window[b] < 0 && layout.sfb[b] == 21;
    const bool topShort = layout.window[b] >= 0 && layout.sfb[b] == 12;
    if (topLong) source = b - 1;
    if (topShort) source = b - 3;
    const int from = layout.start[b];
    const int to = layout.start[b + 1];
    bool done = false;
    if (inIntensity[b]) {
      int position = right.value[source];
      int illegal = right.illegalPosition[source];
      if (source != b && !inIntensity[source]) {
        position = mpeg1 ? 3 : 0;
        illegal = -1;
      }
      if (mpeg1 && position < 7) {
        const float kl = kIntensityLeft[position];
        const float kr = kIntensityRight[position];
        for (int i = from; i < to; ++i) {
          const float x = left[i];
          left[i] = x * kl;
          rightLines[i] = x * kr;
        }
        done = true;
      } else if (!mpeg1 && position != illegal) {
        float kl = 1.0f;
        float kr = 1.0f;
        if (position & 1) {
          kl = kIntensityLsf[intensityScale][(position + 1) >> 1];
        } else {
          kr = kIntensityLsf[intensityScale][position >> 1];
        }
        for (int i = from; i < to; ++i) {
          const float x = left[i];
          left[i] = x * kl;
          rightLines[i] = x * kr;
        }
        done = true;
      }
    }
    if (!done && ms) MiddleSide(left, rightLines, from, to);
  }
  nonZero[0] = nonZero[1] = 576;
}

}  // namespace lizhi::mpeg
