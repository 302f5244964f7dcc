// Executes a laid-out tip on a device context.
#pragma once
#include <windows.h>

#include "units/tip/rich_text/draw_ops.h"
#include "units/tip/rich_text/gdi_measurer_win.h"

namespace lizhi::tip {

void ExecuteDrawList(HDC dc, const DrawList& list, GdiMeasurer& fonts);

inline RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

}  // namespace lizhi::tip
