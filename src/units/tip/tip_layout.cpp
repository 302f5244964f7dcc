#include "units/tip/tip_layout.h"

#include <algorithm>

#include "runtime/base/screen_area.h"

namespace lizhi::tip {

namespace {

constexpr int32_t kDirectionCodes[] = {0, 2, 1, 32, 34, 33, 48, 50, 49, 16, 18, 17};
constexpr int32_t kNearStart = 0, kNearEnd = 1, kCentred = 2;

bool ValidPlacement(int32_t code) { return (code & ~0x3F) == 0 && AnchorEnd(code) <= kCentred; }
bool AlongWidth(int32_t code) { return AnchorSide(code) == kAnchorTop || AnchorSide(code) == kAnchorBottom; }

// Flips toward the side or end that keeps the window on the screen.
int32_t Flip(int32_t code, TipPoint p, int32_t bodyW, int32_t bodyH, int32_t winW, int32_t winH, int32_t h,
             const TipRect& s) {
  const int32_t side = AnchorSide(code), end = AnchorEnd(code);
  if (AlongWidth(code)) {
    if (end == kNearStart && p.x + bodyW - h > s.right) code ^= 1;
    if (end == kNearEnd && p.x - bodyW + h < s.left) code ^= 1;
  } else if (side == kAnchorLeft) {
    if (p.x + winW > s.right) code ^= 16;
  } else if (p.x - winW < s.left) {
    code ^= 16;
  }
  if (side == kAnchorTop) {
    if (p.y + winH > s.bottom) code ^= 16;
  } else if (side == kAnchorBottom) {
    if (p.y - winH < s.top) code ^= 16;
  } else if (end == kNearStart) {
    if (p.y + bodyH - h > s.bottom) code ^= 1;
  } else if (end == kNearEnd) {
    if (p.y - bodyH + h < s.top) code ^= 1;
  }
  return code;
}

// Where along a side of `length` the anchor sits for an end code.
int32_t AlongSide(int32_t end, int32_t length, int32_t offset) {
  if (end == kNearStart) return offset;
  if (end == kNearEnd) return length - offset;
  return length / 2;
}

// Moves the anchor inside the window so that the window stays on the screen
// along one axis: `at` is the point's coordinate, [lo, hi) the screen's span.
// Centred anchors are kept off both edges; the near edge wins when the window
// is larger than the screen.
int32_t KeepOnScreen(int32_t end, int32_t anchor, int32_t at, int32_t length, int32_t lo, int32_t hi) {
  if (end != kNearStart && at - anchor + length > hi) anchor = at + length - hi;
  if (end != kNearEnd && at - anchor < lo) anchor = at - lo;
  return std::clamp(anchor, 0, length);
}

}  // namespace

TipCap CapOf(const TipLayoutInput& in) {
  for (const TipRect& area : {in.workArea, in.screen}) {
    if (area.width() > 0 && area.height() > 0) return {area.width(), area.height()};
  }
  return {640, 480};
}

TipLayoutInput WithinCap(const TipLayoutInput& raw) {
  const TipCap cap = CapOf(raw);
  const int32_t shorter = std::min(cap.width, cap.height);
  TipLayoutInput in = raw;
  TipGeometry& g = in.geometry;
  g[kCornerWidth] = std::clamp(g[kCornerWidth], 0, cap.width);
  g[kCornerHeight] = std::clamp(g[kCornerHeight], 0, cap.height);
  g[kMarginAcross] = std::clamp(g[kMarginAcross], 0, cap.width / 8);
  g[kMarginDown] = std::clamp(g[kMarginDown], 0, cap.height / 8);
  g[kAnchorBase] = std::clamp(g[kAnchorBase], 0, shorter / 2);
  g[kAnchorHeight] = std::clamp(g[kAnchorHeight], 0, shorter / 4);
  g[kAnchorOffset] = std::clamp(g[kAnchorOffset], -shorter / 2, shorter / 2);
  in.shadowX = std::clamp(in.shadowX, -cap.width / 4, cap.width / 4);
  in.shadowY = std::clamp(in.shadowY, -cap.height / 4, cap.height / 4);
  // Flips keep the anchor's axis, so the side it adds its height to is known.
  const int32_t code = ValidPlacement(in.placement) ? in.placement : kAnchorBottom;
  const int32_t anchorAcross = AlongWidth(code) ? 0 : g[kAnchorHeight];
  const int32_t anchorDown = AlongWidth(code) ? g[kAnchorHeight] : 0;
  const int32_t roomAcross = cap.width - 2 * g[kMarginAcross] - anchorAcross - std::max(0, in.shadowX);
  const int32_t roomDown = cap.height - 2 * g[kMarginDown] - anchorDown - std::max(0, in.shadowY);
  in.contentWidth = std::clamp(in.contentWidth, 0, std::max(0, roomAcross));
  in.contentHeight = std::clamp(in.contentHeight, 0, std::max(0, roomDown));
  return in;
}

int32_t PlacementForDirection(int32_t direction) {
  if (direction < 0 || direction > 11) return 16;
  return kDirectionCodes[direction];
}

TipLayout LayOutTip(const TipLayoutInput& raw) {
  const TipLayoutInput in = WithinCap(raw);
  const TipGeometry& g = in.geometry;
  const int32_t h = std::max(0, g[kAnchorHeight]);
  const int32_t offset = g[kAnchorOffset];
  const int32_t base = std::max(0, g[kAnchorBase]);
  const int32_t bodyW = std::max(0, in.contentWidth) + 2 * g[kMarginAcross];
  const int32_t bodyH = std::max(0, in.contentHeight) + 2 * g[kMarginDown];

  TipLayout out;
  int32_t code = ValidPlacement(in.placement) ? in.placement : kAnchorBottom;
  const bool alongWidthAtFirst = AlongWidth(code);
  int32_t winW = alongWidthAtFirst ? bodyW : bodyW + h;
  int32_t winH = alongWidthAtFirst ? bodyH + h : bodyH;
  code = Flip(code, in.point, bodyW, bodyH, winW, winH, h, in.screen);
  out.placement = code;
  const int32_t side = AnchorSide(code), end = AnchorEnd(code);
  const bool alongWidth = AlongWidth(code);
  out.window = {0, 0, winW, winH};

  const int32_t sideLength = alongWidth ? winW : winH;
  const int32_t along = AlongSide(end, sideLength, offset);
  int32_t baseStart = end == kNearStart ? offset
                      : end == kNearEnd ? sideLength - offset - base
                                        : sideLength / 2 - base / 2;

  switch (side) {
    case kAnchorTop:
      out.body = {0, h, bodyW, bodyH + h};
      out.anchor = {along, 0};
      break;
    case kAnchorBottom:
      out.body = {0, 0, bodyW, bodyH};
      out.anchor = {along, winH};
      break;
    case kAnchorLeft:
      out.body = {h, 0, bodyW + h, bodyH};
      out.anchor = {0, along};
      break;
    default:
      out.body = {0, 0, bodyW, bodyH};
      out.anchor = {winW, along};
      break;
  }
  if (alongWidth) {
    out.anchor.x = KeepOnScreen(end, out.anchor.x, in.point.x, winW, in.screen.left, in.screen.right);
  } else {
    out.anchor.y = KeepOnScreen(end, out.anchor.y, in.point.y, winH, in.screen.top, in.screen.bottom);
  }

  out.content = {out.body.left + g[kMarginAcross], out.body.top + g[kMarginDown],
                 out.body.left + g[kMarginAcross] + std::max(0, in.contentWidth),
                 out.body.top + g[kMarginDown] + std::max(0, in.contentHeight)};
  out.corner = {g[kCornerWidth], g[kCornerHeight]};
  out.hasTriangle = h != 0 && base != 0;
  if (out.hasTriangle) {
    // The base lies on the body's edge on the anchor side.
    const int32_t edge = side == kAnchorTop      ? out.body.top
                         : side == kAnchorBottom ? out.body.bottom
                         : side == kAnchorLeft   ? out.body.left
                                                 : out.body.right;
    if (alongWidth) {
      out.triangle = {out.anchor, TipPoint{baseStart, edge}, TipPoint{baseStart + base, edge}};
    } else {
      out.triangle = {out.anchor, TipPoint{edge, baseStart}, TipPoint{edge, baseStart + base}};
    }
  }
  out.shadow = {in.shadowX, in.shadowY};
  out.windowWidth = winW + std::max(0, in.shadowX);
  out.windowHeight = winH + std::max(0, in.shadowY);
  out.origin = {in.point.x - out.anchor.x, in.point.y - out.anchor.y};
  return out;
}

TipGeometry ScaleGeometry(const TipGeometry& geometry, int32_t dpi) {
  TipGeometry scaled{};
  for (size_t i = 0; i < geometry.size(); ++i) scaled[i] = screen::Scale(geometry[i], dpi);
  return scaled;
}

}  // namespace lizhi::tip
