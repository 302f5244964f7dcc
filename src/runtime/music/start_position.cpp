#include "runtime/music/start_position.h"

#include <algorithm>
#include <cmath>

namespace lizhi::music {

uint64_t StartByteOffset(double percent, const mpeg::XingInfo& xing, int frameBytes, uint64_t audioBytes) {
  if (!(percent > 0.0)) return 0;  // also NaN
  percent = std::min(percent, 100.0);
  const double length = static_cast<double>(audioBytes);
  double offset;
  if (xing.present && xing.hasToc) {
    const int a = std::min(static_cast<int>(percent), 99);
    const double fa = xing.toc[a];
    const double fb = a == 99 ? 256.0 : xing.toc[a + 1];
    offset = (fa + (fb - fa) * (percent - a)) / 256.0 * length;
  } else {
    if (frameBytes <= 0) return 0;
    const double frames = std::floor(percent * length / 100.0 / frameBytes);
    offset = frames * frameBytes;
  }
  return std::min(static_cast<uint64_t>(std::max(offset, 0.0)), audioBytes);
}

}  // namespace lizhi::music
