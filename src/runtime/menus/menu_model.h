// Menus built from a window's run of menu records: the menu bar, pop-ups and the
// mapping of command ids back to records. Pure data; the Windows side turns an
// entry tree into HMENUs.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/template/window_template.h"

namespace lizhi::rt {

// A menu record's WM_COMMAND id is this base plus its position in the window.
constexpr uint32_t kMenuCommandBase = 20000;

struct MenuEntry {
  enum class Kind { String, Separator, Popup };
  Kind kind = Kind::String;
  uint32_t id = 0;  // command id (kMenuCommandBase + record position)
  std::string caption;
  bool checked = false;
  bool grayed = false;
  bool ownerDraw = false;
  std::vector<MenuEntry> children;  // for pop-ups
};

// The window's menu bar: one pop-up per visible level-0 record.
std::vector<MenuEntry> BuildMenuBar(const WindowRecord& window, bool ownerDraw);
// The pop-up of the menu record at `position`: its deeper-level followers.
// Nothing when the record is not a menu item or has no followers.
std::optional<std::vector<MenuEntry>> BuildPopupMenu(const WindowRecord& window, size_t position, bool ownerDraw);
// The menu record position a WM_COMMAND id stands for, if any.
std::optional<size_t> MenuRecordForCommand(const WindowRecord& window, uint32_t commandId);

}  // namespace lizhi::rt
