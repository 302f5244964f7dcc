#include "runtime/music/mpeg/layer3_alias.h"

#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {

void ReduceAliases(float xr[576], int boundaries) {
  if (boundaries > 31) boundaries = 31;
  for (int sb = 1; sb <= boundaries; ++sb) {
    float* below = xr + 18 * sb - 1;
    float* above = xr + 18 * sb;
    for (int i = 0; i < 8; ++i) {
      const float a = below[-i];
      const float b = above[i];
      below[-i] = a * kAliasCs[i] - b * kAliasCa[i];
      above[i] = b * kAliasCs[i] + a * kAliasCa[i];
    }
  }
}

}  // namespace lizhi::mpeg
