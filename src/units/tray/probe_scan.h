// Finding the black probe icon among screen pixels. The rule, over the
// notification area's rectangle: rows from bottom - 3 up to top + 1, each row
// from left to right - 1; a pixel is a hit when it and the pixels two rows
// above and below are all dark; a run of hits restarts on every row and on
// every miss; the ninth hit in a run is the icon, reported at (x - 1, y - 6).
#pragma once
#include <cstdint>
#include <optional>

namespace lizhi::tray {

struct ScreenRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};
struct ScreenPoint {
  int32_t x = 0, y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Red, green and blue each at most 3. The test is the same for a COLORREF
// (0x00BBGGRR) and a 32-bit DIB pixel (0xXXRRGGBB); CLR_INVALID is not dark.
constexpr bool IsDarkColour(uint32_t colour) {
  return (colour & 0xFF) <= 3 && ((colour >> 8) & 0xFF) <= 3 && ((colour >> 16) & 0xFF) <= 3;
}

// The scan itself over any source of pixels: isDark(x, y) in screen coordinates.
template <typename IsDark>
std::optional<ScreenPoint> ScanForProbeIcon(const ScreenRect& area, IsDark&& isDark) {
  constexpr int kHitsNeeded = 9;
  for (int64_t y = int64_t{area.bottom} - 3; y >= int64_t{area.top} + 1; --y) {
    int run = 0;
    for (int64_t x = area.left; x < area.right; ++x) {
      auto xi = static_cast<int32_t>(x), yi = static_cast<int32_t>(y);
      if (isDark(xi, yi) && isDark(xi, yi - 2) && isDark(xi, yi + 2)) {
        if (++run >= kHitsNeeded) return ScreenPoint{xi - 1, yi - 6};
      } else {
        run = 0;
      }
    }
  }
  return std::nullopt;
}

// One capture of screen pixels, 32 bits each, rows top-down.
struct PixelCapture {
  ScreenRect rect;  // the screen rectangle the pixels cover
  const uint32_t* pixels = nullptr;
};

// The rows and columns a scan of `area` reads: top - 1 through bottom - 1.
ScreenRect CaptureRectFor(const ScreenRect& area);

// The scan over a capture. Pixels outside `screen` count as not dark whatever
// the capture holds there (a capture shows black beyond the screen's edge);
// so do pixels outside the capture.
std::optional<ScreenPoint> ScanCapture(const ScreenRect& area, const PixelCapture& capture, const ScreenRect& screen);

}  // namespace lizhi::tray
