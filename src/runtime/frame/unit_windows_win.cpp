#include "runtime/base/memory.h"
#include "runtime/frame/unit_windows_win.h"

#include "runtime/frame/unit_host.h"

namespace lizhi::rt {

namespace {

constexpr char kHostClass[] = "LizhiUnitHost";

struct HostBinding {
  void* unit;
  UnitMessageHandler handler;
  UnitDestroyed destroyed;
  uint32_t windowId;
  uint32_t unitId;
};

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* binding = reinterpret_cast<HostBinding*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!binding) return DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  if (binding->handler &&
      GuardAllocations([&] { return binding->handler(binding->unit, window, message, wParam, lParam, result); })) {
    return result;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    UnitHostCallback(kHostUnitDestroyed, binding->windowId, binding->unitId);
    if (binding->destroyed) binding->destroyed(binding->unit);
    delete binding;
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterHostClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.lpfnWndProc = &HostProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kHostClass;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  registered = RegisterClassA(&wc) != 0;
}

}  // namespace

HWND CreateUnitHostWindow(const UnitCreateParams& params, void* unit, UnitMessageHandler handler,
                          UnitDestroyed destroyed) {
  RegisterHostClass();
  auto* binding = new HostBinding{unit, handler, destroyed, params.windowId, params.unitId};
  HWND window = CreateWindowExA(0, kHostClass, "", WS_CHILD, params.left, params.top, params.width, params.height,
                                static_cast<HWND>(params.parentWindow),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.controlId)),
                                GetModuleHandleA(nullptr), binding);
  if (!window) delete binding;
  return window;
}

}  // namespace lizhi::rt
