// Where the title-bar line goes on a monitor of any DPI, beside the title and
// clear of the window's caption buttons. With 96 dpi and no buttons found the
// place is the classic one of painter_geometry.h, to the pixel.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

#include "presenters/painter_geometry.h"

namespace lizhi::presenters {

struct TitleLineScene {
  PaintRect window;  // W, screen coordinates
  PaintRect client;  // C
  // The monitor holding the window; its bottom stands in for the screen height.
  PaintRect monitor;
  int32_t dpi = 96;  // of that monitor
  // The caption buttons together (minimise, maximise, close), screen
  // coordinates, where they could be found.
  std::optional<PaintRect> buttons;
};

struct TitleLinePlace {
  bool fits = false;
  int32_t x = 0, y = 0;              // top-left of the text
  int32_t sampleX = 0, sampleY = 0;  // where the background is read
};

// The line's font height at `dpi`: 24 pixels at 96.
int32_t TitleLineFontSize(int32_t dpi);

// `measuredWidth`: the line's width in the font it is painted in, or a
// negative value when it could not be measured.
TitleLinePlace PlaceTitleLine(const TitleLineScene& scene, size_t lineBytes, int32_t measuredWidth);

}  // namespace lizhi::presenters
