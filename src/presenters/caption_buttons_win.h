// Where another program's window has its caption buttons, in screen
// coordinates. Asked in turn: the title-bar information (WM_GETTITLEBARINFOEX),
// the desktop window manager's button bounds, then hit tests along the caption
// (the only one that answers under Wine). Every question to the window waits at
// most 50 ms and none to a hung window, so a tick cannot stall; the answer is
// kept per window and size.
#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "presenters/painter_geometry.h"

namespace lizhi::presenters {

// `window` is the window's rectangle, `border` its frame width and `dpi` its
// monitor's, which together say where the caption's middle row lies.
std::optional<PaintRect> FindCaptionButtons(HWND target, const PaintRect& window, int32_t border, int32_t dpi);

}  // namespace lizhi::presenters
