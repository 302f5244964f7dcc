#include "runtime/music/mpeg/layer3_reorder.h"

#include <cstring>

#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {

void ReorderShortBands(const BandLayout& layout, int rateIndex, float xr[576]) {
  if (layout.longCount == layout.count) return;
  const int firstShortLine = layout.start[layout.longCount];
  float reordered[576];
  const int16_t* shortStart = kShortBandStart[rateIndex];
  for (int b = layout.longCount; b < layout.count; ++b) {
    const int sfb = layout.sfb[b];
    const int w = layout.window[b];
    const int width = shortStart[sfb + 1] - shortStart[sfb];
    const float* from = xr + layout.start[b];
    for (int f = 0; f < width; ++f) {
      const int frequency = shortStart[sfb] + f;  // within the window
      reordered[(frequency / 6) * 18 + w * 6 + frequency % 6] = from[f];
    }
  }
  std::memcpy(xr + firstShortLine, reordered + firstShortLine, sizeof(float) * (576 - firstShortLine));
}

}  // namespace lizhi::mpeg
