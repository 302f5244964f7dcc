// The Windows side of template menus: the menu bar built from a window's
// records, and the pop-up form of a menu record shown at the cursor.
#pragma once
#include <windows.h>

#include <vector>

#include "runtime/frame/window_table.h"
#include "runtime/menus/menu_model.h"

namespace lizhi::rt {

// Rebuilds the window's menu bar from its records (after a menu flag changed).
void RebuildMenuBar(WindowEntry& entry);
// An HMENU for entries built by the menu model (pop-up form).
HMENU CreateMenuFromEntries(const std::vector<MenuEntry>& entries, bool popup);

}  // namespace lizhi::rt
