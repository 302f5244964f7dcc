#include "runtime/menus/menu_model.h"

namespace lizhi::rt {

namespace {

constexpr uint32_t kFlagInvisible = 1;
constexpr uint32_t kFlagGrayed = 2;
constexpr uint32_t kFlagChecked = 4;
constexpr uint32_t kIgnoredCommandsFrom = 0xE100;  // the framework's own ids

std::vector<const UnitRecord*> MenuRecords(const WindowRecord& window) {
  std::vector<const UnitRecord*> out;
  for (const UnitRecord& u : window.units) {
    if (u.isMenuItem()) out.push_back(&u);
  }
  return out;
}

// Builds the entries of records[i..] that are deeper than `level`, stopping at
// the first record at `level` or shallower; returns the index after them.
size_t BuildLevel(const std::vector<const UnitRecord*>& records, size_t i, int32_t level, bool ownerDraw,
                  std::vector<MenuEntry>& out) {
  while (i < records.size() && records[i]->menu.level > level) {
    const UnitRecord& r = *records[i];
    const int32_t myLevel = r.menu.level;
    const bool hasChildren = i + 1 < records.size() && records[i + 1]->menu.level > myLevel;
    MenuEntry entry;
    entry.id = kMenuCommandBase + static_cast<uint32_t>(i);
    entry.caption = r.menu.caption;
    entry.checked = (r.menu.flags & kFlagChecked) != 0;
    entry.grayed = (r.menu.flags & kFlagGrayed) != 0;
    entry.ownerDraw = ownerDraw;
    size_t next = i + 1;
    if (hasChildren) {
      entry.kind = MenuEntry::Kind::Popup;
      next = BuildLevel(records, i + 1, myLevel, ownerDraw, entry.children);
    } else if (r.menu.caption == "-") {
      entry.kind = MenuEntry::Kind::Separator;
    }
    if ((r.menu.flags & kFlagInvisible) == 0) out.push_back(std::move(entry));
    i = next;
  }
  return i;
}

}  // namespace

std::vector<MenuEntry> BuildMenuBar(const WindowRecord& window, bool ownerDraw) {
  auto records = MenuRecords(window);
  std::vector<MenuEntry> bar;
  size_t i = 0;
  while (i < records.size()) {
    const UnitRecord& r = *records[i];
    MenuEntry entry;
    entry.kind = MenuEntry::Kind::Popup;
    entry.id = kMenuCommandBase + static_cast<uint32_t>(i);
    entry.caption = r.menu.caption;
    entry.grayed = (r.menu.flags & kFlagGrayed) != 0;
    entry.ownerDraw = ownerDraw;
    size_t next = BuildLevel(records, i + 1, r.menu.level, ownerDraw, entry.children);
    // An invisible top-level record hides its followers too; their ids stay counted.
    if ((r.menu.flags & kFlagInvisible) == 0) bar.push_back(std::move(entry));
    i = next > i ? next : i + 1;
  }
  return bar;
}

std::optional<std::vector<MenuEntry>> BuildPopupMenu(const WindowRecord& window, size_t position, bool ownerDraw) {
  auto records = MenuRecords(window);
  if (position >= records.size()) return std::nullopt;
  const int32_t level = records[position]->menu.level;
  if (position + 1 >= records.size() || records[position + 1]->menu.level <= level) return std::nullopt;
  std::vector<MenuEntry> entries;
  BuildLevel(records, position + 1, level, ownerDraw, entries);
  return entries;
}

std::optional<size_t> MenuRecordForCommand(const WindowRecord& window, uint32_t commandId) {
  if (commandId < kMenuCommandBase || commandId >= kIgnoredCommandsFrom) return std::nullopt;
  size_t n = commandId - kMenuCommandBase;
  if (n >= window.MenuRecordCount()) return std::nullopt;
  return n;
}

}  // namespace lizhi::rt
