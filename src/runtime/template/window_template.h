// The window template: the stored description of every window of the program
// and the units on it, in the byte format the frame reads at start.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lizhi::rt {

constexpr int32_t kNoHandler = -1;

struct MenuItemBody {
  int32_t shortcut = 0;  // index into the shortcut name table, 0 = none
  int32_t level = 0;     // 0 top level, 1 entry of the pop-up above it, ...
  uint32_t flags = 0;    // bit 0 invisible, bit 1 grey, bit 2 checked
  std::string caption;   // "-" is a separator
  int32_t handler = kNoHandler;
};

struct EventBinding {
  int32_t eventIndex = 0;
  int32_t handler = kNoHandler;
};

struct UnitBody {
  int32_t left = 0, top = 0, width = 32, height = 33;
  std::vector<int32_t> unitList;  // used by container units only
  std::vector<uint8_t> cursor;    // empty = the default cursor
  std::string tag;
  uint32_t stateFlags = 0;  // bit 0 visible, bit 1 disabled, bit 3 owner-drawn menus
  std::vector<EventBinding> events;
  std::vector<uint8_t> ownBlock;  // the type's own stored properties; empty = defaults
};

struct UnitRecord {
  uint32_t unitId = 0;
  uint32_t type = 0;
  uint32_t parent = 0;  // 0 = the window
  std::string name;
  std::string remark;
  MenuItemBody menu;  // menu items (type 0x00010003)
  UnitBody body;      // every other unit

  bool isMenuItem() const;
  // The handler bound to an event: for a menu item its one handler whatever the
  // index, otherwise the pair's handler; kNoHandler when there is none.
  int32_t HandlerFor(int32_t eventIndex) const;
};

struct WindowRecord {
  uint32_t windowId = 0;
  int32_t headA = 8;
  int32_t headB = 0x190110D6;
  std::string text1, text2;
  std::vector<UnitRecord> units;  // entry 0 is the window itself

  const UnitRecord* FindUnit(uint32_t unitId) const;
  // Position of a unit among the window's menu records, or -1.
  int MenuPosition(uint32_t unitId) const;
  // The n-th menu record (0-based), or null.
  const UnitRecord* MenuRecord(size_t n) const;
  UnitRecord* MutableMenuRecord(size_t n);
  size_t MenuRecordCount() const;
};

struct WindowTemplate {
  std::vector<WindowRecord> windows;
  const WindowRecord* FindWindow(uint32_t windowId) const;
};

std::vector<uint8_t> EncodeTemplate(const WindowTemplate& tmpl);
// Reads a template; nothing on any inconsistency (counts, offsets or lengths
// past the end, missing terminators). Never reads outside `bytes`.
std::optional<WindowTemplate> DecodeTemplate(const uint8_t* bytes, size_t size);

}  // namespace lizhi::rt
