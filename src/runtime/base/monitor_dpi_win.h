// Monitors and their DPI. The calls newer than Windows 7 (GetDpiForMonitor,
// GetDpiForWindow, SetThreadDpiAwarenessContext) are looked up at run time;
// where they are missing the system DPI of the screen stands in, and every
// awareness call may fail (Wine refuses per-monitor awareness version 2).
#pragma once
#include <windows.h>

#include <cstdint>

#include "runtime/base/screen_area.h"

namespace lizhi::win {

screen::Area ToArea(const RECT& r);

// The effective DPI of a monitor; the screen's when it cannot be asked.
int32_t MonitorDpi(HMONITOR monitor);
// The DPI of the monitor holding most of `window`. A window that is not DPI
// aware reports 96 for itself although Windows stretches it, so this asks its
// monitor, not the window.
int32_t DpiOfWindowMonitor(HWND window);
int32_t DpiAt(POINT p);
// What the window's own DPI is as Windows scales its contents (GetDpiForWindow).
int32_t WindowDpi(HWND window);

// The monitor nearest to a point, a rectangle or a window: whole and work area.
struct MonitorAreas {
  screen::Area whole;
  screen::Area work;
  int32_t dpi = screen::kBaseDpi;
};
MonitorAreas MonitorAt(POINT p);
MonitorAreas MonitorOfRect(const RECT& r);
MonitorAreas MonitorOfWindow(HWND window);
MonitorAreas PrimaryMonitor();

// Asks for the best DPI awareness the system offers: per monitor (version 2,
// else 1) for the calling thread, else per monitor for the process (8.1), else
// the system's DPI (Vista to 8). A refusal (Wine refuses version 2) is no
// failure.
void UsePerMonitorDpi();

}  // namespace lizhi::win
