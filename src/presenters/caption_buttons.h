// Finding a window's caption buttons (minimise, maximise, close) by asking the
// window what lies along its caption, and remembering the answer per window so
// that a tick asks at most once for each window size. The asking itself is the
// platform's; the scan and the memory are here.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "presenters/painter_geometry.h"

namespace lizhi::presenters {

// The window's answer to a hit test at a screen point (WM_NCHITTEST), or
// nothing when it did not answer in time.
using HitTest = std::function<std::optional<int32_t>(int32_t x, int32_t y)>;

// Whether a hit-test answer names a caption button: minimise 8, maximise 9,
// close 20, help 21.
bool IsCaptionButton(int32_t hit);

// The buttons' rectangle along the row `rowY` of the caption, scanned from the
// window's right edge toward its left until the caption itself answers; its
// top and bottom are found by scanning up and down at the first button.
// Nothing when no button answers, or when the window stops answering.
std::optional<PaintRect> ButtonsByHitTest(const PaintRect& window, int32_t rowY, const HitTest& hitTest);

// What was found for a window, kept relative to its top-right corner so that
// moving the window keeps the answer; a new size asks again.
class CaptionButtonCache {
 public:
  static constexpr size_t kWindows = 8;

  // The remembered answer (which may be "no buttons"), or nothing when this
  // window at this size was never asked.
  std::optional<std::optional<PaintRect>> Find(uintptr_t window, const PaintRect& rect) const;
  void Store(uintptr_t window, const PaintRect& rect, const std::optional<PaintRect>& buttons);

 private:
  struct Entry {
    uintptr_t window = 0;
    int32_t width = 0, height = 0;
    bool found = false;
    PaintRect fromTopRight;  // left and right from the window's right edge, top and bottom from its top
  };
  Entry entries_[kWindows];
  size_t next_ = 0;
};

}  // namespace lizhi::presenters
