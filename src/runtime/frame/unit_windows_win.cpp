#include "runtime/frame/unit_windows_win.h"

#include "runtime/base/memory.h"
#include "runtime/base/window_class_win.h"
#include "runtime/frame/unit_host.h"

namespace lizhi::rt {

namespace {

constexpr char kHostClass[] = "LizhiUnitHost";

// What a unit's host window belongs to; it frees itself with the window.
struct HostBinding {
  void* unit;
  UnitMessageHandler handler;
  UnitDestroyed destroyed;
  uint32_t windowId;
  uint32_t unitId;

  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (handler && GuardAllocations([&] { return handler(unit, window, message, wParam, lParam, result); })) {
      return result;
    }
    if (message == WM_NCDESTROY) {
      OnGone();
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  void OnGone() {
    UnitHostCallback(kHostUnitDestroyed, windowId, unitId);
    if (destroyed) destroyed(unit);
    delete this;
  }
};

}  // namespace

HWND CreateUnitHostWindow(const UnitCreateParams& params, void* unit, UnitMessageHandler handler,
                          UnitDestroyed destroyed) {
  win::RegisterObjectClass<HostBinding>(kHostClass, 0, IDC_ARROW);
  auto* binding = new HostBinding{unit, handler, destroyed, params.windowId, params.unitId};
  HWND window = CreateWindowExA(0, kHostClass, "", WS_CHILD, params.left, params.top, params.width, params.height,
                                static_cast<HWND>(params.parentWindow),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.controlId)),
                                GetModuleHandleA(nullptr), binding);
  if (!window) delete binding;
  return window;
}

}  // namespace lizhi::rt
