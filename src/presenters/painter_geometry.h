// Where the title-bar mode puts a line: at the top-right of the foreground
// window, reckoned at 10 pixels per byte and kept 65 pixels left of the
// window's left edge plus its client width.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lizhi::presenters {

struct PaintRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The frame width on one side: (W.right - W.left - C.right) / 2, toward zero.
int32_t FrameBorder(const PaintRect& window, const PaintRect& client);
// x(s) = W.left + C.right - 10 len(s) - 65
int32_t LineLeft(const PaintRect& window, const PaintRect& client, size_t lineBytes);
// y = W.top + border
int32_t LineTop(const PaintRect& window, int32_t border);
// Where the background is sampled: 3 pixels left of the line's left end, 5
// pixels below its top, just outside its first glyph.
int32_t SampleLeft(const PaintRect& window, const PaintRect& client, size_t lineBytes);
int32_t SampleTop(const PaintRect& window, int32_t border);
// (W.right - W.left) > 10 len(s) + 65 and W.top < H - 80, both strict.
bool LineFits(const PaintRect& window, size_t lineBytes, int32_t screenHeight);

}  // namespace lizhi::presenters
