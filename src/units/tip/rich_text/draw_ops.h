// What a laid-out tip draws, in drawing order, with every position final: the
// platform side only executes these.
#pragma once
#include <string>
#include <variant>
#include <vector>

#include "units/tip/rich_text/measurer.h"

namespace lizhi::tip {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool Inside(const Rect& outer) const {
    return left >= outer.left && top >= outer.top && right <= outer.right && bottom <= outer.bottom;
  }
  Rect Intersect(const Rect& o) const;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct TextOp {
  FontKey font;
  Colour colour = 0;
  Colour back = 0xFFFFFF;
  bool opaque = false;
  int x = 0;  // top-left corner of the run
  int y = 0;
  Rect clip;  // nothing is drawn outside
  std::string text;
};

// A filled rectangle: rules, overlines.
struct RuleOp {
  Rect rect;
  Colour colour = 0;
};

struct ImageOp {
  Rect rect;
  Rect clip;
  ImageRequest image;
  bool hot = false;  // its link is hovered: the hot style applies
};

struct BackgroundOp {
  Rect rect;
  int effect = 0;
  Colour begin = 0;
  Colour middle = 0;
  Colour end = 0;
  int granularity = 5;
};

struct BorderOp {
  Rect rect;
  int style = 1;  // 1 solid, 2 dashed, 3 dotted, 6 double
  int width = 1;
  Colour light = 0;  // top and left
  Colour dark = 0;   // bottom and right
};

using DrawOp = std::variant<TextOp, RuleOp, ImageOp, BackgroundOp, BorderOp>;

struct Link {
  int kind = 1;  // 1 an address to open, 2 an event for the link target
  std::string target;
};

struct LinkArea {
  Rect rect;
  int link = -1;  // index into the links
};

struct DrawList {
  std::vector<DrawOp> ops;
  std::vector<Link> links;
  std::vector<LinkArea> areas;
};

}  // namespace lizhi::tip
