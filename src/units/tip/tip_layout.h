// Where a tip goes and what shape it has: the placement code chosen from the
// tip's default anchor with its flips at the screen's edges, the anchor point
// inside the window, and the window region described as data (a rounded body,
// an anchor triangle, and a copy of both moved by the shadow offset).
#pragma once
#include <array>
#include <cstdint>

namespace lizhi::tip {

struct TipPoint {
  int32_t x = 0, y = 0;
  bool operator==(const TipPoint&) const = default;
};
struct TipRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
  bool operator==(const TipRect&) const = default;
};

// TipPlacement: the high part says on which side of the window the anchor
// sits (0 top, 16 bottom, 32 left, 48 right), the low part where along that
// side (0 near the start, 1 near the end, 2 centred).
enum TipPlacementSide : int32_t { kAnchorTop = 0, kAnchorBottom = 16, kAnchorLeft = 32, kAnchorRight = 48 };

// The Direction property (0..11) as a placement code; out of range gives the
// default Direction's code, 16.
int32_t PlacementForDirection(int32_t direction);

// TipGeometry entries.
enum TipGeometryEntry : int {
  kCornerWidth = 0,
  kCornerHeight = 1,
  kMarginAcross = 2,
  kMarginDown = 3,
  kAnchorBase = 4,
  kAnchorHeight = 5,
  kAnchorOffset = 6,
};
using TipGeometry = std::array<int32_t, 9>;
constexpr TipGeometry kBalloonGeometry{16, 16, 12, 12, 12, 16, 16, 0, 0};

struct TipLayoutInput {
  TipPoint point;            // screen point the anchor's tip is to touch
  int32_t contentWidth = 0;  // measured rich text
  int32_t contentHeight = 0;
  int32_t placement = 16;
  TipGeometry geometry = kBalloonGeometry;
  TipRect screen;  // the virtual screen
  int32_t shadowX = 0, shadowY = 0;
  // The work area of the monitor the tip appears on; empty: the screen.
  TipRect workArea;
};

// The largest window a tip may have: its work area, else the screen, else
// 640 x 480. A line of text can ask for any size (a huge font, a hundred line
// breaks, a wide table) and a caller can write any geometry or shadow, but
// what a tip shows must fit on one monitor, and every buffer a show allocates
// follows from the window's size.
struct TipCap {
  int32_t width = 0, height = 0;
};
TipCap CapOf(const TipLayoutInput& in);

// `in` cut to its cap: the shadow offsets to a quarter of the cap, the margins
// to an eighth, the anchor's height to a quarter and its base and offset to
// half of the smaller side, the corners to the cap; negative margins count as
// 0. The content gets the room that is left and is clipped to it; the anchor
// and the shape are kept.
TipLayoutInput WithinCap(const TipLayoutInput& in);

struct TipLayout {
  int32_t placement = 16;  // after the flips
  TipRect window;          // the shape's rectangle W in window coordinates (0, 0 based)
  TipRect body;            // W less the anchor height on the anchor side
  TipRect content;
  TipPoint anchor;                            // the anchor's tip in window coordinates
  TipPoint origin;                            // the window's screen position: point - anchor
  int32_t windowWidth = 0, windowHeight = 0;  // W grown by the shadow offset
  // The region: a round rectangle over `body` with right and bottom edges
  // inclusive and corner ellipse `corner`, united with `triangle` when
  // `hasTriangle`; with a shadow the union of that shape and the shape moved
  // by `shadow`.
  TipPoint corner;
  bool hasTriangle = false;
  std::array<TipPoint, 3> triangle{};  // tip, then the base's two ends
  TipPoint shadow;
};

// Always within the cap: windowWidth and windowHeight never exceed CapOf(in).
TipLayout LayOutTip(const TipLayoutInput& in);

// The geometry's lengths, given at 96 dpi, at `dpi`.
TipGeometry ScaleGeometry(const TipGeometry& geometry, int32_t dpi);

constexpr int32_t AnchorSide(int32_t placement) { return placement & 0x30; }
constexpr int32_t AnchorEnd(int32_t placement) { return placement & 0x0F; }

}  // namespace lizhi::tip
