// The tray icon and its pop-up menu seen from outside the program: the icon's
// notification window, mouse notifications as the shell sends them, and the
// menu window that pops up.
//
// Wine does not let another process read a menu through its handle
// (GetMenuItemCount answers -1), so a menu is checked by its pixels: the same
// entries are popped up in this process as plain string items and both menus
// must look alike, entry by entry.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lizhi::test {

// The child window that owns the program's notification-area icon.
HWND TrayIconWindow(HWND startupWindow, DWORD ms = 10000);
// Posts the icon's callback message carrying `mouseMessage` (WM_LBUTTONUP, ...),
// as the shell does when the user acts on the icon.
void PostTrayMouse(HWND iconWindow, UINT mouseMessage);

// Whether the shell holds an icon for this owner (the owner is also the icon's
// identifier): a change of nothing succeeds only for an icon it holds.
bool ShellHasIcon(HWND iconWindow);
// Takes the icon out of the notification area behind the program's back.
void ShellForgetIcon(HWND iconWindow);
// What the shell sends every program when the taskbar has been created anew.
void BroadcastTaskbarCreated();

struct MenuLine {
  std::string caption;  // GBK; empty for a separator
  bool checked = false;
  std::vector<MenuLine> submenu;  // an entry that opens a pop-up of these
  bool separator() const { return caption.empty(); }
};

// A visible pop-up menu window (#32768) of the process, or null after `ms`.
HWND WaitForPopupMenu(DWORD pid, DWORD ms);
// Closes the menu as Escape does and waits until it is gone.
bool ClosePopupMenu(HWND popup, DWORD ms = 3000);

struct MenuPicture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top down
  // Rows [first, last) of each entry; known for reference pictures only.
  std::vector<std::pair<int, int>> entryRows;
};

// The pixels of a pop-up menu window once its painting has settled.
std::optional<MenuPicture> CaptureMenu(HWND popup);
// The picture of a menu of these entries popped up in this process.
std::optional<MenuPicture> ReferenceMenu(const std::vector<MenuLine>& lines);
// Entries of `expected` whose rows differ in `actual`; every entry when the two
// menus differ in size.
std::vector<size_t> DifferingEntries(const MenuPicture& actual, const MenuPicture& expected);

}  // namespace lizhi::test
