#include "presenters/caption_buttons.h"

#include <algorithm>

namespace lizhi::presenters {

namespace {

constexpr int32_t kHitCaption = 2;
constexpr int32_t kHitMinimise = 8, kHitMaximise = 9, kHitClose = 20, kHitHelp = 21;
// Far enough for four buttons at 300 % and a frame; the scan stops earlier
// at the caption.
constexpr int64_t kLongestScan = 800;
constexpr int64_t kTallestCaption = 200;

}  // namespace

bool IsCaptionButton(int32_t hit) {
  return hit == kHitMinimise || hit == kHitMaximise || hit == kHitClose || hit == kHitHelp;
}

std::optional<PaintRect> ButtonsByHitTest(const PaintRect& window, int32_t rowY, const HitTest& hitTest) {
  std::optional<int32_t> left, right;
  const int64_t stop = std::max<int64_t>(window.left, int64_t{window.right} - kLongestScan);
  for (int64_t x = int64_t{window.right} - 1; x >= stop; --x) {
    std::optional<int32_t> hit = hitTest(static_cast<int32_t>(x), rowY);
    if (!hit) return std::nullopt;
    if (IsCaptionButton(*hit)) {
      left = static_cast<int32_t>(x);
      if (!right) right = static_cast<int32_t>(x + 1);
    } else if (*hit == kHitCaption && left) {
      break;
    }
  }
  if (!left) return std::nullopt;

  // Up and down at the first button, a pixel in from its edge.
  const int32_t column = *left + 1 < *right ? *left + 1 : *left;
  int32_t top = rowY, bottom = rowY + 1;
  for (int64_t y = int64_t{rowY} - 1; y >= window.top && rowY - y <= kTallestCaption; --y) {
    std::optional<int32_t> hit = hitTest(column, static_cast<int32_t>(y));
    if (!hit) return std::nullopt;
    if (!IsCaptionButton(*hit)) break;
    top = static_cast<int32_t>(y);
  }
  for (int64_t y = int64_t{rowY} + 1; y < window.bottom && y - rowY <= kTallestCaption; ++y) {
    std::optional<int32_t> hit = hitTest(column, static_cast<int32_t>(y));
    if (!hit) return std::nullopt;
    if (!IsCaptionButton(*hit)) break;
    bottom = static_cast<int32_t>(y + 1);
  }
  return PaintRect{*left, top, *right, bottom};
}

std::optional<std::optional<PaintRect>> CaptionButtonCache::Find(uintptr_t window, const PaintRect& rect) const {
  const int64_t width = int64_t{rect.right} - rect.left, height = int64_t{rect.bottom} - rect.top;
  for (const Entry& e : entries_) {
    if (e.window != window || window == 0 || e.width != width || e.height != height) continue;
    if (!e.found) return std::optional<PaintRect>();
    const PaintRect& b = e.fromTopRight;
    return std::optional<PaintRect>(
        PaintRect{rect.right + b.left, rect.top + b.top, rect.right + b.right, rect.top + b.bottom});
  }
  return std::nullopt;
}

void CaptionButtonCache::Store(uintptr_t window, const PaintRect& rect, const std::optional<PaintRect>& buttons) {
  Entry* slot = nullptr;
  for (Entry& e : entries_) {
    if (e.window == window) slot = &e;
  }
  if (!slot) {
    slot = &entries_[next_];
    next_ = (next_ + 1) % kWindows;
  }
  Entry e;
  e.window = window;
  e.width = static_cast<int32_t>(int64_t{rect.right} - rect.left);
  e.height = static_cast<int32_t>(int64_t{rect.bottom} - rect.top);
  e.found = buttons.has_value();
  if (buttons) {
    e.fromTopRight = {buttons->left - rect.right, buttons->top - rect.top, buttons->right - rect.right,
                      buttons->bottom - rect.top};
  }
  *slot = e;
}

}  // namespace lizhi::presenters
