// The Windows side of template menus: the menu bar built from a window's
// records, and the pop-up form of a menu record shown at the cursor.
#pragma once
#include <windows.h>

#include <vector>

#include "runtime/menus/menu_model.h"
#include "runtime/template/window_template.h"

namespace lizhi::rt {

// Rebuilds the window's menu bar from its records (after a menu flag changed).
void RebuildMenuBar(HWND window, const WindowRecord& record);
// Pops up the form of the menu record `menuUnitId` at the cursor.
void PopupMenuRecord(HWND window, const WindowRecord& record, uint32_t menuUnitId);
// An HMENU for entries built by the menu model (pop-up form).
HMENU CreateMenuFromEntries(const std::vector<MenuEntry>& entries, bool popup);

}  // namespace lizhi::rt
