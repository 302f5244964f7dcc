// The balloon's pixels on Windows: a 32-bit canvas to draw into and read
// back, the coverage of a region, and the snapshot of the screen beneath a tip.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/base/win_handles.h"
#include "units/tip/tip_layout.h"

namespace lizhi::tip {

// A 32-bit top-down DIB section selected into its own memory DC for a scope.
class PixelCanvas {
 public:
  PixelCanvas(int32_t width, int32_t height) : count_(static_cast<size_t>(width) * static_cast<size_t>(height)) {
    win::WindowDc screen(nullptr);
    dc_.reset(CreateCompatibleDC(screen.get()));
    dib_ = win::CreateTopDownDib(screen.get(), width, height);
    if (dc_ && dib_.bitmap) selected_.emplace(dc_.get(), dib_.bitmap.get());
  }
  PixelCanvas(const PixelCanvas&) = delete;
  PixelCanvas& operator=(const PixelCanvas&) = delete;

  bool ok() const { return selected_ && selected_->ok() && dib_.pixels != nullptr; }
  HDC dc() const { return dc_.get(); }
  // The pixels as 0x00RRGGBB, after GDI has finished drawing.
  std::vector<uint32_t> Pixels() const {
    GdiFlush();
    const uint32_t* p = dib_.pixels;
    std::vector<uint32_t> out(p, p + count_);
    for (uint32_t& v : out) v &= 0xFFFFFF;
    return out;
  }

 private:
  size_t count_;
  win::MemoryDc dc_;
  win::TopDownDib dib_;
  std::optional<win::Selected> selected_;
};

// 255 where the region covers a pixel of a width x height area, 0 elsewhere.
std::vector<uint8_t> Coverage(HRGN region, int32_t width, int32_t height);

// What the screen shows under the window's rectangle, taken before the window
// is shown: on a composited desktop a capture after showing returns the
// window's own unpainted surface.
std::vector<uint32_t> Snapshot(TipPoint origin, int32_t width, int32_t height);

// How long after a hide the windows beneath may still be repainting.
constexpr DWORD kRepaintGraceMs = 1000;

// Where the new tip overlaps the one just hidden, the screen may still show the
// old tip (the windows beneath repaint in their own time): the old snapshot
// knows what lies there.
void PatchFromPrevious(std::vector<uint32_t>& snapshot, const TipRect& rect, const std::vector<uint32_t>& previous,
                       const TipRect& previousRect);

}  // namespace lizhi::tip
