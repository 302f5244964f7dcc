#include "runtime/base/monitor_dpi_win.h"

#include <string>

#include "runtime/base/monitor_query.h"
#include "runtime/base/win_handles.h"

namespace lizhi::win {

namespace {

using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using SetThreadDpiAwarenessContextFn = HANDLE(WINAPI*)(HANDLE);
using SetProcessDpiAwarenessFn = HRESULT(WINAPI*)(int);
using SetProcessDpiAwareFn = BOOL(WINAPI*)();
constexpr int kProcessPerMonitorDpiAware = 2;  // PROCESS_PER_MONITOR_DPI_AWARE
constexpr int kEffectiveDpi = 0;               // MDT_EFFECTIVE_DPI
// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE.
const HANDLE kPerMonitorV2 = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-4));
const HANDLE kPerMonitor = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-3));

// A library from the system directory, loaded for the life of the process.
Module SystemLibrary(const char* name) {
  char system[MAX_PATH];
  UINT length = GetSystemDirectoryA(system, sizeof system);
  if (length == 0 || length >= sizeof system) return Module();
  return Module(LoadLibraryA((std::string(system, length) + "\\" + name).c_str()));
}

template <typename Fn>
Fn Function(HMODULE module, const char* name) {
  return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// User32 is loaded in every GUI process.
template <typename Fn>
Fn User32Function(const char* name) {
  return Function<Fn>(GetModuleHandleA("user32.dll"), name);
}

// Windows 8.1 and later.
HMODULE Shcore() {
  static Module shcore = SystemLibrary("shcore.dll");
  return shcore.get();
}

GetDpiForMonitorFn DpiForMonitor() {
  static GetDpiForMonitorFn fn = Function<GetDpiForMonitorFn>(Shcore(), "GetDpiForMonitor");
  return fn;
}

int32_t ScreenDpi() {
  WindowDc screen(nullptr);
  int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : screen::kBaseDpi;
}

MonitorAreas AreasOf(HMONITOR monitor) {
  MonitorAreas areas;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor && GetMonitorInfoA(monitor, &info)) {
    areas.whole = ToArea(info.rcMonitor);
    areas.work = ToArea(info.rcWork);
  } else {
    areas.whole = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT work{};
    areas.work = SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) ? ToArea(work) : areas.whole;
  }
  areas.dpi = MonitorDpi(monitor);
  return areas;
}

}  // namespace

screen::Area ToArea(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

int32_t MonitorDpi(HMONITOR monitor) {
  UINT x = 0, y = 0;
  if (GetDpiForMonitorFn fn = DpiForMonitor();
      monitor && fn && SUCCEEDED(fn(monitor, kEffectiveDpi, &x, &y)) && y > 0) {
    return static_cast<int32_t>(y);
  }
  return ScreenDpi();
}

int32_t DpiOfWindowMonitor(HWND window) { return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)); }

int32_t DpiAt(POINT p) { return MonitorDpi(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST)); }

int32_t WindowDpi(HWND window) {
  static GetDpiForWindowFn fn = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (UINT dpi = fn && window ? fn(window) : 0; dpi > 0) return static_cast<int32_t>(dpi);
  return DpiOfWindowMonitor(window);
}

MonitorAreas MonitorAt(POINT p) { return AreasOf(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST)); }
MonitorAreas MonitorOfRect(const RECT& r) { return AreasOf(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST)); }
MonitorAreas MonitorOfWindow(HWND window) { return AreasOf(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)); }
MonitorAreas PrimaryMonitor() { return AreasOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)); }

}  // namespace lizhi::win

namespace lizhi::screen {

Monitor MonitorNearest(Point p) {
  const win::MonitorAreas m = win::MonitorAt(POINT{p.x, p.y});
  return {m.whole, m.work, m.dpi};
}

}  // namespace lizhi::screen

namespace lizhi::win {

void UsePerMonitorDpi() {
  // Windows 10 1607 and later: the manifest has done it; a thread the
  // manifest did not reach asks for itself.
  if (auto forThread = User32Function<SetThreadDpiAwarenessContextFn>("SetThreadDpiAwarenessContext")) {
    if (!forThread(kPerMonitorV2)) forThread(kPerMonitor);
    return;
  }
  // Windows 8.1 and the first Windows 10: per monitor, version 1.
  if (auto forProcess = Function<SetProcessDpiAwarenessFn>(Shcore(), "SetProcessDpiAwareness")) {
    if (SUCCEEDED(forProcess(kProcessPerMonitorDpiAware))) return;
  }
  // Vista, 7 and 8: the system's DPI.
  if (auto systemAware = User32Function<SetProcessDpiAwareFn>("SetProcessDPIAware")) systemAware();
}

}  // namespace lizhi::win
