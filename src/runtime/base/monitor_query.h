// The monitor nearest to a screen point, for code that keeps Windows' headers
// out (implemented in monitor_dpi_win.cpp).
#pragma once
#include <cstdint>

#include "runtime/base/screen_area.h"

namespace lizhi::screen {

struct Monitor {
  Area whole;
  Area work;  // without the taskbar
  int32_t dpi = kBaseDpi;
};

Monitor MonitorNearest(Point p);

}  // namespace lizhi::screen
