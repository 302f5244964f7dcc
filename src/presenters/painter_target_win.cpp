#include "presenters/painter_target_win.h"

#include <string>

#include "runtime/base/win_handles.h"

namespace lizhi::presenters {

namespace {

constexpr DWORD kDwmCloaked = 14;  // DWMWA_CLOAKED, Windows 8 and later
using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

// dwmapi.dll from the system directory, where it exists (not before Vista).
DwmGetWindowAttributeFn DwmAttributeReader() {
  static win::Module module = [] {
    char system[MAX_PATH];
    UINT length = GetSystemDirectoryA(system, sizeof system);
    if (length == 0 || length >= sizeof system) return win::Module();
    return win::Module(LoadLibraryA((std::string(system, length) + "\\dwmapi.dll").c_str()));
  }();
  if (!module) return nullptr;
  return reinterpret_cast<DwmGetWindowAttributeFn>(
      reinterpret_cast<void*>(GetProcAddress(module.get(), "DwmGetWindowAttribute")));
}

// Windows of other virtual desktops and suspended store apps are "cloaked":
// visible by their style, yet not on the screen.
bool IsCloaked(HWND window) {
  DwmGetWindowAttributeFn read = DwmAttributeReader();
  DWORD cloaked = 0;
  return read && SUCCEEDED(read(window, kDwmCloaked, &cloaked, sizeof cloaked)) && cloaked != 0;
}

bool IsOurs(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == PainterOwnProcess();
}

bool IsWorkWindow(HWND window) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  return IsWindowVisible(window) && (style & WS_CAPTION) == WS_CAPTION && !IsIconic(window) && !IsOurs(window) &&
         !IsCloaked(window);
}

}  // namespace

DWORD& PainterOwnProcess() {
  static DWORD process = GetCurrentProcessId();
  return process;
}

HWND PaintTargetWindow(HWND foreground) {
  if (foreground && !IsOurs(foreground)) return foreground;
  // Top-level windows from the top of the z-order down.
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (IsWorkWindow(w)) return w;
  }
  return nullptr;
}

}  // namespace lizhi::presenters
