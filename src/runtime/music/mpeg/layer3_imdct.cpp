#include "runtime/music/mpeg/layer3_imdct.h"

#include "runtime/music/mpeg/float4.h"
#include "runtime/music/mpeg/layer3_imdct_parts.h"

namespace lizhi::mpeg {

// Four subbands at a time, one per lane; plain code where there is no SSE.
void InverseMdct(const float xr[576], const GranuleChannelInfo& g, int subbands, ImdctOverlap& overlap,
                 float (*out)[kMaxSlots], int firstSlot) {
  static constexpr float kZeros[18] = {};
  // Odd subbands negate their odd time slots.
  const Float4 invert = {1.0f, -1.0f, 1.0f, -1.0f};
  for (int group = 0; group < 8; ++group) {
    const int sb0 = 4 * group;
    Float4 y[36] = {};
    if (sb0 < subbands) {
      const float* rows[4];
      for (int lane = 0; lane < 4; ++lane) rows[lane] = sb0 + lane < subbands ? xr + 18 * (sb0 + lane) : kZeros;
      Float4 x[18];
      for (int k = 0; k < 18; ++k) x[k] = Float4{rows[0][k], rows[1][k], rows[2][k], rows[3][k]};
      ImdctGroup(x, g.windowSwitching, g.mixedBlock, g.blockType, sb0, y);
    }
    for (int t = 0; t < 18; ++t) {
      Float4 keep;
      LoadFloat4(keep, overlap[group][t]);
      Float4 v = y[t] + keep;
      if (t & 1) v *= invert;
      StoreFloat4(overlap[group][t], y[t + 18]);
      for (int lane = 0; lane < 4; ++lane) out[sb0 + lane][firstSlot + t] = v[lane];
    }
  }
}

}  // namespace lizhi::mpeg
