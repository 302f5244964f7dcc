#include "runtime/frame/window_table.h"

#include "runtime/base/fatal.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/frame/frame.h"

namespace lizhi::rt {

namespace {
std::span<const EventHandler> g_handlers;

struct TypeEventFlags {
  uint32_t typeId;
  uint32_t flags;
};
// Descriptor flags of the unit types this runtime knows.
constexpr TypeEventFlags kTypeFlags[] = {
    {kUnitTypeWindow, kTypeFiresEvents},
    {kUnitTypeMenu, kTypeFiresEvents},
    {kUnitTypeLabel, kTypeFiresEvents},
    {kUnitTypeButton, kTypeFiresEvents},
    {kUnitTypeCommonDlg, 0},
    {kUnitTypeTimer, kTypeFiresEvents},
    {kUnitTypeTrayIcon, kTypeFiresEvents},
    {kUnitTypeTip, kTypeFiresEventsToo},
    {kUnitTypeAgent, kTypeFiresEvents},
};
}  // namespace

LiveUnit* WindowEntry::FindLive(uint32_t unitId) {
  for (LiveUnit& u : units) {
    if (u.unitId == unitId) return &u;
  }
  return nullptr;
}

void WindowTable::Reset(const WindowTemplate& tmpl) {
  // The old windows go with their entries, after the new table is in place:
  // their last messages then look up the new table and find no owner there.
  std::vector<WindowEntry> old = std::move(entries_);
  entries_.clear();
  for (const WindowRecord& record : tmpl.windows) {
    WindowEntry entry;
    entry.record = record;
    entries_.push_back(std::move(entry));
  }
}

WindowEntry* WindowTable::Find(uint32_t windowId) {
  for (WindowEntry& e : entries_) {
    if (e.record.windowId == windowId) return &e;
  }
  return nullptr;
}

WindowTable& Windows() {
  static WindowTable table;
  return table;
}

bool LoadTemplate(const uint8_t* bytes, size_t size) {
  auto tmpl = DecodeTemplate(bytes, size);
  if (!tmpl) return false;
  Windows().Reset(*tmpl);
  return true;
}

void LoadTemplateOrFail(const uint8_t* bytes, size_t size) {
  if (!bytes || !LoadTemplate(bytes, size)) FatalRuntimeError(text::kTemplateUnreadable);
}

void SetEventHandlers(std::span<const EventHandler> handlers) { g_handlers = handlers; }

// Relocation of a stored handler number: -1 (or anything outside the table)
// means no handler.
EventHandler HandlerAt(int32_t handlerNumber) {
  if (handlerNumber < 0 || static_cast<size_t>(handlerNumber) >= g_handlers.size()) return nullptr;
  return g_handlers[handlerNumber];
}

bool TypeFiresEvents(uint32_t typeId) {
  for (const TypeEventFlags& t : kTypeFlags) {
    if (t.typeId == typeId) return (t.flags & (kTypeFiresEvents | kTypeFiresEventsToo)) != 0;
  }
  return false;
}

int32_t DispatchEvent(EventRecord& event) {
  RuntimeState& state = Runtime();
  if (state.suppressionCount >= 1) return 0;

  WindowEntry* window = Windows().Find(event.windowId);
  if (!window) FatalRuntimeError(text::kEventWindowMissing);
  const WindowRecord& record = window->record;
  const UnitRecord* unit = record.FindUnit(event.unitId == 0 ? kWindowUnitId : event.unitId);
  if (!unit) FatalRuntimeError(text::kEventUnitMissing);
  // Events of a unit nested in a unit of its own type belong to the outermost.
  while (unit->parent != 0) {
    const UnitRecord* parent = record.FindUnit(unit->parent);
    if (!parent || parent->type != unit->type) break;
    unit = parent;
  }
  if (!TypeFiresEvents(unit->type)) FatalRuntimeError(text::kEventUnitInvalid);

  EventHandler handler = HandlerAt(unit->HandlerFor(event.eventIndex));
  if (!handler) return 0;

  uint32_t savedWindow = state.eventSourceWindow;
  uint32_t savedUnit = state.eventSourceUnit;
  state.eventSourceWindow = event.windowId;
  state.eventSourceUnit = unit->unitId;
  int32_t result = 0;
  if (GuardAllocations([&] { return handler(event, result); })) {
    event.hasResult = 1;
    event.result = result;
  }
  state.eventSourceWindow = savedWindow;
  state.eventSourceUnit = savedUnit;
  return 1;
}

}  // namespace lizhi::rt
