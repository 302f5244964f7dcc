// The windows the frame builds from the template (as opposed to the units on
// them): creation, first showing, window state and the menu bar.
#pragma once
#include <windows.h>

#include <vector>

#include "runtime/menu_model.h"
#include "runtime/window_table.h"

namespace lizhi::rt {

HWND CreateTemplateWindow(WindowEntry& entry);
// Shows the window; the first showing of a hidden-created window applies its
// stored window state.
void ShowTemplateWindow(WindowEntry& entry);
void ApplyWindowState(WindowEntry& entry);
void ApplyAlwaysOnTop(WindowEntry& entry);
// Rebuilds the window's menu bar from its records (after a menu flag changed).
void RebuildMenuBar(WindowEntry& entry);
// An HMENU for entries built by the menu model (pop-up form).
HMENU CreateMenuFromEntries(const std::vector<MenuEntry>& entries, bool popup);

}  // namespace lizhi::rt
