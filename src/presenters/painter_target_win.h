// Which window the title-bar mode paints at: the foreground window, unless that
// is one of lizhi's own (the tray menu leaves the hidden start-up window in the
// foreground) or there is none; then the window the user was working in.
#pragma once
#include <windows.h>

namespace lizhi::presenters {

// `foreground` as GetForegroundWindow gave it.
HWND PaintTargetWindow(HWND foreground);

// The process whose windows count as lizhi's: this one. Tests that play the
// foreground window from inside the painter's own process set it to 0.
DWORD& PainterOwnProcess();

}  // namespace lizhi::presenters
