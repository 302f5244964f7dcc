#include "runtime/base/screen_area.h"

#include <algorithm>
#include <limits>

namespace lizhi::screen {

namespace {

int32_t Clamp(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int32_t KeepInside(int64_t wanted, int64_t length, int64_t low, int64_t high) {
  return Clamp(std::max(low, std::min(wanted, high - length)));
}

}  // namespace

int32_t Scale(int32_t length, int32_t dpi) {
  if (dpi <= 0 || dpi == kBaseDpi) return length;
  const int64_t scaled = int64_t{length} * dpi;
  const int64_t half = kBaseDpi / 2;
  return Clamp(scaled >= 0 ? (scaled + half) / kBaseDpi : -((-scaled + half) / kBaseDpi));
}

bool Contains(const Area& area, Point p) {
  return p.x >= area.left && p.x < area.right && p.y >= area.top && p.y < area.bottom;
}

bool Contains(const Area& outer, const Area& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

Point KeepInside(Point wanted, int32_t width, int32_t height, const Area& area) {
  return {KeepInside(wanted.x, std::max(width, 0), area.left, area.right),
          KeepInside(wanted.y, std::max(height, 0), area.top, area.bottom)};
}

}  // namespace lizhi::screen
