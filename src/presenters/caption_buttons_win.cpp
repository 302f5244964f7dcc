#include "presenters/caption_buttons_win.h"

#include <algorithm>
#include <string>

#include "presenters/caption_buttons.h"
#include "runtime/base/screen_area.h"
#include "runtime/base/win_handles.h"

namespace lizhi::presenters {

namespace {

constexpr UINT kAskTimeoutMs = 50;
constexpr DWORD kScanBudgetMs = 400;
constexpr UINT kGetTitleBarInfoEx = 0x033F;   // WM_GETTITLEBARINFOEX, Vista and later
constexpr DWORD kDwmCaptionButtonBounds = 5;  // DWMWA_CAPTION_BUTTON_BOUNDS
constexpr DWORD kStateInvisible = 0x8000;     // STATE_SYSTEM_INVISIBLE
constexpr DWORD kStateOffscreen = 0x10000;    // STATE_SYSTEM_OFFSCREEN
constexpr DWORD kStateUnavailable = 0x0001;   // STATE_SYSTEM_UNAVAILABLE
// The caption's height at 96 dpi where the system cannot say.
constexpr int32_t kCaptionHeight = 19;
using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);

bool Ask(HWND target, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* answer) {
  return SendMessageTimeoutA(target, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_NORMAL, kAskTimeoutMs, answer) !=
         0;
}

PaintRect ToPaintRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// The union of the visible buttons: minimise, maximise, help, close.
std::optional<PaintRect> FromTitleBarInfo(HWND target) {
  TITLEBARINFOEX info{};
  info.cbSize = sizeof info;
  DWORD_PTR answer = 0;
  if (!Ask(target, kGetTitleBarInfoEx, 0, reinterpret_cast<LPARAM>(&info), &answer)) return std::nullopt;
  std::optional<RECT> all;
  for (int i = 2; i <= 5; ++i) {
    const RECT& r = info.rgrect[i];
    if (IsEmpty(r) || (info.rgstate[i] & (kStateInvisible | kStateOffscreen))) continue;
    if (i == 4 && (info.rgstate[i] & kStateUnavailable)) continue;
    if (!all) {
      all = r;
    } else {
      UnionRect(&*all, &*all, &r);
    }
  }
  if (!all) return std::nullopt;
  return ToPaintRect(*all);
}

// Window coordinates from the desktop window manager, Windows 8 and later.
std::optional<PaintRect> FromDwm(HWND target, const PaintRect& window) {
  static win::Module dwm = [] {
    char system[MAX_PATH];
    UINT length = GetSystemDirectoryA(system, sizeof system);
    if (length == 0 || length >= sizeof system) return win::Module();
    return win::Module(LoadLibraryA((std::string(system, length) + "\\dwmapi.dll").c_str()));
  }();
  static auto read = dwm ? reinterpret_cast<DwmGetWindowAttributeFn>(
                               reinterpret_cast<void*>(GetProcAddress(dwm.get(), "DwmGetWindowAttribute")))
                         : nullptr;
  RECT bounds{};
  if (!read || FAILED(read(target, kDwmCaptionButtonBounds, &bounds, sizeof bounds)) || IsEmpty(bounds)) {
    return std::nullopt;
  }
  return PaintRect{window.left + bounds.left, window.top + bounds.top, window.left + bounds.right,
                   window.top + bounds.bottom};
}

std::optional<PaintRect> FromHitTests(HWND target, const PaintRect& window, int32_t border, int32_t dpi) {
  int32_t caption = GetSystemMetrics(SM_CYCAPTION);
  if (caption <= 0) caption = screen::Scale(kCaptionHeight, dpi);
  const int32_t row = window.top + std::max(border, 0) + caption / 2;
  // A slow window could take the time-out at every one of a few hundred
  // questions: the whole scan gets no more than a few of them.
  const DWORD start = GetTickCount();
  return ButtonsByHitTest(window, row, [target, start](int32_t x, int32_t y) -> std::optional<int32_t> {
    if (GetTickCount() - start > kScanBudgetMs) return std::nullopt;
    DWORD_PTR answer = 0;
    const LPARAM point = static_cast<LPARAM>(static_cast<uint32_t>(static_cast<uint16_t>(x)) |
                                             (static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16));
    if (!Ask(target, WM_NCHITTEST, 0, point, &answer)) return std::nullopt;
    return static_cast<int32_t>(static_cast<LRESULT>(answer));
  });
}

CaptionButtonCache& Cache() {
  static CaptionButtonCache cache;
  return cache;
}

}  // namespace

std::optional<PaintRect> FindCaptionButtons(HWND target, const PaintRect& window, int32_t border, int32_t dpi) {
  if (!target) return std::nullopt;
  const auto key = reinterpret_cast<uintptr_t>(target);
  if (auto known = Cache().Find(key, window)) return *known;
  // Windows without a caption have no buttons to find.
  std::optional<PaintRect> found;
  if ((GetWindowLongA(target, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
    found = FromTitleBarInfo(target);
    if (!found) found = FromDwm(target, window);
    if (!found) found = FromHitTests(target, window, border, dpi);
  }
  Cache().Store(key, window, found);
  return found;
}

}  // namespace lizhi::presenters
