#include "units/tray/probe_scan.h"

namespace lizhi::tray {

namespace {
bool Contains(const ScreenRect& r, int32_t x, int32_t y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}
}  // namespace

ScreenRect CaptureRectFor(const ScreenRect& area) {
  return ScreenRect{area.left, area.top - 1, area.right, area.bottom};
}

std::optional<ScreenPoint> ScanCapture(const ScreenRect& area, const PixelCapture& capture, const ScreenRect& screen) {
  if (!capture.pixels) return std::nullopt;
  const int64_t width = int64_t{capture.rect.right} - capture.rect.left;
  return ScanForProbeIcon(area, [&](int32_t x, int32_t y) {
    if (!Contains(screen, x, y) || !Contains(capture.rect, x, y)) return false;
    int64_t index = (int64_t{y} - capture.rect.top) * width + (int64_t{x} - capture.rect.left);
    return IsDarkColour(capture.pixels[index]);
  });
}

}  // namespace lizhi::tray
