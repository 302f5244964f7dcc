#include "units/tip/tip_canvas_win.h"

#include <algorithm>

namespace lizhi::tip {

std::vector<uint8_t> Coverage(HRGN region, int32_t width, int32_t height) {
  PixelCanvas canvas(width, height);
  std::vector<uint8_t> out(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  if (!canvas.ok()) return out;
  FillRgn(canvas.dc(), region, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  std::vector<uint32_t> pixels = canvas.Pixels();
  for (size_t i = 0; i < out.size(); ++i) out[i] = pixels[i] != 0 ? 255 : 0;
  return out;
}

std::vector<uint32_t> Snapshot(TipPoint origin, int32_t width, int32_t height) {
  PixelCanvas canvas(width, height);
  if (!canvas.ok()) return std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  win::WindowDc screen(nullptr);
  BitBlt(canvas.dc(), 0, 0, width, height, screen.get(), origin.x, origin.y, SRCCOPY | CAPTUREBLT);
  return canvas.Pixels();
}

void PatchFromPrevious(std::vector<uint32_t>& snapshot, const TipRect& rect, const std::vector<uint32_t>& previous,
                       const TipRect& previousRect) {
  if (previous.size() != static_cast<size_t>(previousRect.width()) * static_cast<size_t>(previousRect.height())) {
    return;
  }
  const int32_t left = std::max(rect.left, previousRect.left), right = std::min(rect.right, previousRect.right);
  const int32_t top = std::max(rect.top, previousRect.top), bottom = std::min(rect.bottom, previousRect.bottom);
  for (int32_t y = top; y < bottom; ++y) {
    for (int32_t x = left; x < right; ++x) {
      snapshot[static_cast<size_t>(y - rect.top) * static_cast<size_t>(rect.width()) +
               static_cast<size_t>(x - rect.left)] =
          previous[static_cast<size_t>(y - previousRect.top) * static_cast<size_t>(previousRect.width()) +
                   static_cast<size_t>(x - previousRect.left)];
    }
  }
}

}  // namespace lizhi::tip
