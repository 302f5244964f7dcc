// The one way this program's window classes work: the class is registered
// once per process, the object a window belongs to travels in the creation
// parameters and is attached at WM_NCCREATE, and the class procedure hands
// every message to the object's OnMessage, which only dispatches to small
// handlers. The object is detached before it sees WM_NCDESTROY, the last
// message, so that nothing reaches it after it has let its window go.
#pragma once
#include <windows.h>

#include "runtime/base/memory.h"

namespace lizhi::win {

// Registers a class of this program's module; true when it is registered,
// also by an earlier call. `cursor` is a system cursor id, or null for none.
inline bool RegisterClassNamed(const char* name, WNDPROC procedure, UINT style, LPCSTR cursor) {
  WNDCLASSA wc{};
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = cursor ? LoadCursorA(nullptr, cursor) : nullptr;
  wc.lpszClassName = name;
  return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Object needs: LRESULT OnMessage(HWND, UINT, WPARAM, LPARAM).
template <typename Object>
LRESULT CALLBACK ObjectProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* object = reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!object) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  // An allocation that fails inside a handler ends the program through the
  // runtime's out-of-memory error, never through an uncaught exception.
  return rt::GuardAllocations([&] { return object->OnMessage(window, message, wParam, lParam); });
}

// The class whose windows belong to objects of type Object, registered on
// first use.
template <typename Object>
bool RegisterObjectClass(const char* name, UINT style, LPCSTR cursor) {
  static const bool registered = RegisterClassNamed(name, &ObjectProcedure<Object>, style, cursor);
  return registered;
}

}  // namespace lizhi::win
