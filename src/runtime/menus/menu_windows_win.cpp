#include "runtime/menus/menu_windows_win.h"

#include "runtime/base/win_handles.h"

namespace lizhi::rt {

namespace {

constexpr uint32_t kOwnerDrawMenus = 1u << 3;

void AppendEntries(HMENU menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& e : entries) {
    UINT flags = e.ownerDraw ? MF_OWNERDRAW : MF_STRING;
    if (e.checked) flags |= MF_CHECKED;
    if (e.grayed) flags |= MF_GRAYED;
    switch (e.kind) {
      case MenuEntry::Kind::Separator:
        AppendMenuA(menu, MF_SEPARATOR, e.id, nullptr);
        break;
      case MenuEntry::Kind::Popup: {
        HMENU sub = CreatePopupMenu();
        AppendEntries(sub, e.children);
        AppendMenuA(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), e.caption.c_str());
        break;
      }
      case MenuEntry::Kind::String:
        AppendMenuA(menu, flags, e.id, e.caption.c_str());
        break;
    }
  }
}

}  // namespace

HMENU CreateMenuFromEntries(const std::vector<MenuEntry>& entries, bool popup) {
  HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  if (menu) AppendEntries(menu, entries);
  return menu;
}

void RebuildMenuBar(HWND window, const WindowRecord& record) {
  if (!window) return;
  const bool ownerDraw = (record.units[0].body.stateFlags & kOwnerDrawMenus) != 0;
  std::vector<MenuEntry> bar = BuildMenuBar(record, ownerDraw);
  win::Menu old(GetMenu(window));
  SetMenu(window, bar.empty() ? nullptr : CreateMenuFromEntries(bar, false));
  old.reset();
  DrawMenuBar(window);
}

void PopupMenuRecord(HWND window, const WindowRecord& record, uint32_t menuUnitId) {
  int position = record.MenuPosition(menuUnitId);
  if (position < 0) return;
  const bool ownerDraw = (record.units[0].body.stateFlags & kOwnerDrawMenus) != 0;
  auto entries = BuildPopupMenu(record, static_cast<size_t>(position), ownerDraw);
  if (!entries) return;
  win::Menu menu(CreateMenuFromEntries(*entries, true));
  if (!menu) return;
  POINT cursor;
  GetCursorPos(&cursor);
  // The menu closes properly on a click elsewhere only when its owner is the
  // foreground window, and only after a message reaches the owner afterwards.
  SetForegroundWindow(window);
  TrackPopupMenu(menu.get(), TPM_RIGHTALIGN, cursor.x - 5, cursor.y - 5, 0, window, nullptr);
  PostMessageA(window, WM_NULL, 0, 0);
}

}  // namespace lizhi::rt
