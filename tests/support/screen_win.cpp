// One BitBlt capture of a screen rectangle into a 32-bit DIB section.
#include "support/screen_win.h"

#include "runtime/base/win_handles.h"

namespace lizhi::test {

std::vector<uint32_t> CaptureScreen(const RECT& area) {
  int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return {};
  std::vector<uint32_t> pixels;
  win::WindowDc screen(nullptr);
  win::MemoryDc memory(CreateCompatibleDC(screen.get()));
  win::TopDownDib dib = win::CreateTopDownDib(screen.get(), width, height);
  win::Selected selected(memory.get(), dib.bitmap.get());
  BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  GdiFlush();
  if (dib.pixels) {
    const uint32_t* px = dib.pixels;
    pixels.reserve(static_cast<size_t>(width) * height);
    for (int i = 0; i < width * height; ++i) pixels.push_back(px[i] & 0xFFFFFF);
  }
  return pixels;
}

}  // namespace lizhi::test
