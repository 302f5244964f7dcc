// The windows the frame builds from the template (as opposed to the units on
// them): creation, first showing and window state.
#pragma once
#include <windows.h>

#include "runtime/frame/window_table.h"

namespace lizhi::rt {

HWND CreateTemplateWindow(WindowEntry& entry);
// Shows the window; the first showing of a hidden-created window applies its
// stored window state.
void ShowTemplateWindow(WindowEntry& entry);
void ApplyWindowState(WindowEntry& entry);
void ApplyAlwaysOnTop(WindowEntry& entry);

}  // namespace lizhi::rt
