#include "presenters/painter_geometry_dpi.h"

#include <algorithm>
#include <limits>

#include "presenters/painter.h"
#include "runtime/base/screen_area.h"

namespace lizhi::presenters {

namespace {

// The classic figures at 96 dpi; each is scaled to the monitor's DPI.
constexpr int32_t kPixelsPerByte = 10;
constexpr int32_t kRightMargin = 65;
constexpr int32_t kBottomKeepOut = 80;
constexpr int32_t kButtonGap = 4;  // between the line's end and the first button
constexpr int32_t kSampleLeft = 3;
constexpr int32_t kSampleBelow = 5;

int32_t Clamp(int64_t v) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int64_t ReckonedWidth(size_t lineBytes, int32_t dpi) {
  constexpr auto kMaxBytes = static_cast<size_t>(std::numeric_limits<int32_t>::max() / 16);
  return int64_t{screen::Scale(kPixelsPerByte, dpi)} * static_cast<int64_t>(std::min(lineBytes, kMaxBytes));
}

TitleLinePlace ClassicPlace(const TitleLineScene& scene, size_t lineBytes) {
  const int32_t border = FrameBorder(scene.window, scene.client);
  TitleLinePlace place;
  place.fits = LineFits(scene.window, lineBytes, scene.monitor.bottom);
  place.x = LineLeft(scene.window, scene.client, lineBytes);
  place.y = LineTop(scene.window, border);
  place.sampleX = SampleLeft(scene.window, scene.client, lineBytes);
  place.sampleY = SampleTop(scene.window, border);
  return place;
}

}  // namespace

int32_t TitleLineFontSize(int32_t dpi) { return screen::Scale(kLineFontSize, dpi); }

TitleLinePlace PlaceTitleLine(const TitleLineScene& scene, size_t lineBytes, int32_t measuredWidth) {
  const int32_t dpi = scene.dpi > 0 ? scene.dpi : screen::kBaseDpi;
  if (dpi == screen::kBaseDpi && !scene.buttons) return ClassicPlace(scene, lineBytes);

  const PaintRect& w = scene.window;
  const int64_t border = FrameBorder(w, scene.client);
  const int64_t reckoned = ReckonedWidth(lineBytes, dpi);
  const int64_t width = measuredWidth >= 0 ? int64_t{measuredWidth} : reckoned;
  // The classic place, scaled: the line starts there unless its measured end
  // would then reach the buttons (or, none found, the classic right end).
  const int64_t classicRight = int64_t{w.left} + scene.client.right - screen::Scale(kRightMargin, dpi);
  int64_t x = classicRight - reckoned;
  int64_t top = int64_t{w.top} + border;
  if (scene.buttons) {
    // A small gap left of the first button. The caption is the buttons' row,
    // so the line's top is theirs.
    x = std::min(x, int64_t{scene.buttons->left} - screen::Scale(kButtonGap, dpi) - width);
    top = scene.buttons->top;
  } else {
    x = std::min(x, classicRight - width);
  }
  const int64_t leftmost = int64_t{w.left} + border;

  TitleLinePlace place;
  place.x = Clamp(x);
  place.y = Clamp(top);
  place.sampleX = Clamp(x - screen::Scale(kSampleLeft, dpi));
  place.sampleY = Clamp(top + screen::Scale(kSampleBelow, dpi));
  const bool wideEnough = int64_t{w.right} - w.left > reckoned + screen::Scale(kRightMargin, dpi) && x >= leftmost;
  place.fits = wideEnough && int64_t{w.top} < int64_t{scene.monitor.bottom} - screen::Scale(kBottomKeepOut, dpi);
  return place;
}

}  // namespace lizhi::presenters
