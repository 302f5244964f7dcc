// Screen arithmetic shared by everything lizhi puts on the screen: lengths
// scaled from 96 dots per inch to a monitor's, and boxes kept inside a
// monitor's work area. Coordinates may be negative (a monitor left of or above
// the primary one).
#pragma once
#include <cstdint>

namespace lizhi::screen {

constexpr int32_t kBaseDpi = 96;

struct Area {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Area&) const = default;
};

struct Point {
  int32_t x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// `length` at 96 dpi, at `dpi`, rounded to the nearest pixel (half away from
// zero). A dpi of 0 or less counts as 96.
int32_t Scale(int32_t length, int32_t dpi);

bool Contains(const Area& area, Point p);
// Whether `inner` lies wholly inside `outer`.
bool Contains(const Area& outer, const Area& inner);

// The top-left of a width x height box wanted at `wanted`, moved the least
// that keeps it inside `area`; a box larger than the area keeps the area's
// left or top.
Point KeepInside(Point wanted, int32_t width, int32_t height, const Area& area);

}  // namespace lizhi::screen
