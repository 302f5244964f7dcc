#include "presenters/painter_geometry.h"

#include <algorithm>
#include <limits>

namespace lizhi::presenters {

namespace {

constexpr int64_t kPixelsPerByte = 10;
constexpr int64_t kRightMargin = 65;
constexpr int64_t kBottomKeepOut = 80;

// Wide arithmetic so that a very long line cannot overflow; the result is
// clamped into the 32-bit coordinates the platform takes.
int32_t Clamp(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
int64_t Reckoned(size_t lineBytes) {
  constexpr auto kMaxBytes = static_cast<size_t>(std::numeric_limits<int64_t>::max() / 16);
  return kPixelsPerByte * static_cast<int64_t>(std::min(lineBytes, kMaxBytes));
}

}  // namespace

int32_t FrameBorder(const PaintRect& window, const PaintRect& client) {
  return Clamp((int64_t{window.right} - window.left - client.right) / 2);
}

int32_t LineLeft(const PaintRect& window, const PaintRect& client, size_t lineBytes) {
  return Clamp(int64_t{window.left} + client.right - Reckoned(lineBytes) - kRightMargin);
}

int32_t LineTop(const PaintRect& window, int32_t border) { return Clamp(int64_t{window.top} + border); }

int32_t SampleLeft(const PaintRect& window, const PaintRect& client, size_t lineBytes) {
  constexpr int64_t kLeftOfLine = 3;
  return Clamp(int64_t{LineLeft(window, client, lineBytes)} - kLeftOfLine);
}

int32_t SampleTop(const PaintRect& window, int32_t border) {
  constexpr int64_t kBelowTop = 5;
  return Clamp(int64_t{window.top} + border + kBelowTop);
}

bool LineFits(const PaintRect& window, size_t lineBytes, int32_t screenHeight) {
  return int64_t{window.right} - window.left > Reckoned(lineBytes) + kRightMargin &&
         int64_t{window.top} < int64_t{screenHeight} - kBottomKeepOut;
}

}  // namespace lizhi::presenters
