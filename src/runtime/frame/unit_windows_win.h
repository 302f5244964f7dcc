// The hidden child window that non-visual units (timers, tray icon, dialogs)
// own: it receives their messages and frees the unit when it is destroyed.
#pragma once
#include <windows.h>

#include "runtime/frame/unit_type.h"

namespace lizhi::rt {

// A message handler of a unit; returns true when it handled the message.
using UnitMessageHandler = bool (*)(void* unit, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    LRESULT& result);
using UnitDestroyed = void (*)(void* unit);

// Creates a hidden child window of the params' parent for `unit`. Messages go
// to `handler` first; on WM_NCDESTROY the frame is told (code 2000) and
// `destroyed` frees the unit.
HWND CreateUnitHostWindow(const UnitCreateParams& params, void* unit, UnitMessageHandler handler,
                          UnitDestroyed destroyed);

}  // namespace lizhi::rt
