#include "units/tray/locator_win.h"

#include <cstring>
#include <ctime>

#include "runtime/base/win_handles.h"
#include "units/tray/icon_handle_win.h"
#include "units/tray/probe_icon.h"
#include "units/tray/tray_hooks_win.h"

namespace lizhi::tray {

namespace {

constexpr char kNotifyAreaClass[] = "TrayNotifyWnd";
constexpr int kClassNameLimit = 255;
constexpr int kCornerWidth = 40;
constexpr int kCornerHeight = 20;

ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

struct NotifyAreaSearch {
  HWND found = nullptr;
};

BOOL CALLBACK MatchNotifyArea(HWND window, LPARAM context) {
  char name[kClassNameLimit + 1] = {};
  GetClassNameA(window, name, kClassNameLimit);
  if (std::strcmp(name, kNotifyAreaClass) != 0) return TRUE;
  reinterpret_cast<NotifyAreaSearch*>(context)->found = window;
  return FALSE;
}

// The shell shows a changed icon a little later, in its own time, and the
// capture must not come first. Windows paints the area's pending updates when
// asked (UPDATENOW sends the WM_PAINT). Wine paints at once but hands the
// pixels to the display only when the shell's thread next goes idle: a message
// round trip with that thread, then a moment's yield, lets it get there. A hung
// shell costs nothing: the round trip is then skipped.
void WaitForShellPaint(HWND area) {
  constexpr UINT kRoundTripLimitMs = 100;
  constexpr double kSettleMs = 1.0;
  RedrawWindow(area, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(area, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kRoundTripLimitMs, &ignored);
  LARGE_INTEGER frequency, start, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  do {
    SwitchToThread();
    QueryPerformanceCounter(&now);
  } while (static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 <
           kSettleMs * static_cast<double>(frequency.QuadPart));
}

ScreenRect VirtualScreen() {
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

}  // namespace

FoundArea FindNotificationArea(const char* taskbarClass) {
  HWND taskbar = FindWindowA(taskbarClass, nullptr);
  if (!taskbar) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    return {{width - kCornerWidth, height - kCornerHeight, width, height}, nullptr};
  }
  NotifyAreaSearch search;
  EnumChildWindows(taskbar, &MatchNotifyArea, reinterpret_cast<LPARAM>(&search));
  HWND area = search.found ? search.found : taskbar;
  RECT rect{};
  GetWindowRect(area, &rect);
  return {ToScreenRect(rect), area};
}

std::optional<ScreenRect> TaskbarRect(const char* taskbarClass) {
  HWND taskbar = FindWindowA(taskbarClass, nullptr);
  RECT rect{};
  if (!taskbar || !IsWindowVisible(taskbar) || !GetWindowRect(taskbar, &rect)) return std::nullopt;
  return ToScreenRect(rect);
}

std::optional<ScreenPoint> CaptureAndScan(const ScreenRect& area) {
  const ScreenRect capture = CaptureRectFor(area);
  const int width = capture.right - capture.left, height = capture.bottom - capture.top;
  if (width <= 0 || height <= 0) return std::nullopt;

  win::WindowDc screen(nullptr);
  win::MemoryDc memory(CreateCompatibleDC(screen.get()));
  win::TopDownDib dib = win::CreateTopDownDib(screen.get(), width, height);
  if (!screen || !memory || !dib) return std::nullopt;
  {
    win::Selected selected(memory.get(), dib.bitmap.get());
    // CAPTUREBLT: layered windows (a modern taskbar may be one) count as on the screen.
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), capture.left, capture.top, SRCCOPY | CAPTUREBLT)) {
      return std::nullopt;
    }
  }
  GdiFlush();
  return ScanCapture(area, PixelCapture{capture, dib.pixels}, VirtualScreen());
}

HICON ProbeIcon() {
  static const HICON icon = IconFromFileData(ProbeIconFile().data(), ProbeIconFile().size(), false);
  return icon;
}

OsVersion CurrentOsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return {};
  return {info.dwPlatformId, info.dwMajorVersion};
}

int64_t ShellLocatorPlatform::Now() { return static_cast<int64_t>(std::time(nullptr)); }

ScreenRect ShellLocatorPlatform::NotificationArea() {
  FoundArea area = FindNotificationArea(TrayHooks().taskbarClass);
  areaWindow_ = area.window;
  return area.rect;
}

std::optional<ScreenPoint> ShellLocatorPlatform::Probe(const ScreenRect& area) {
  NOTIFYICONDATAA black = held_;
  black.hIcon = ProbeIcon();
  TrayHooks().shellNotify(NIM_MODIFY, &black);
  if (areaWindow_) WaitForShellPaint(areaWindow_);
  std::optional<ScreenPoint> found = TrayHooks().scanArea(area);
  TrayHooks().shellNotify(NIM_MODIFY, &held_);
  return found;
}

}  // namespace lizhi::tray
