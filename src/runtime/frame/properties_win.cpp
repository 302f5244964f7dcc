// Reading and writing unit properties by index: 0..7 common to units with a
// window, 8.. the unit type's own; menu items have their own four.
#include <windows.h>

#include <algorithm>
#include <iterator>

#include "runtime/base/fatal.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/base/written_value.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/frame_windows_win.h"
#include "runtime/frame/property_indexes.h"
#include "runtime/frame/window_table.h"
#include "runtime/menus/menu_properties_win.h"

namespace lizhi::rt {

namespace {

constexpr int32_t kPositionLimit = 32627;

constexpr uint32_t kFlagVisible = 1;
constexpr uint32_t kFlagDisabled = 2;

WindowEntry& RequireWindow(uint32_t windowId) {
  WindowEntry* entry = Windows().Find(windowId);
  if (!entry) FatalRuntimeError(text::kPropertyWindowNotLoaded);
  return *entry;
}

UnitRecord* RecordOf(WindowEntry& entry, uint32_t unitId) {
  for (UnitRecord& u : entry.record.units) {
    if (u.unitId == unitId) return &u;
  }
  return nullptr;
}

HWND LiveWindowOf(WindowEntry& entry, uint32_t unitId) {
  if (unitId == kWindowUnitId || unitId == 0) return static_cast<HWND>(entry.window());
  LiveUnit* live = entry.FindLive(unitId);
  if (!live || !live->object || !live->type->windowOf) return nullptr;
  return static_cast<HWND>(live->type->windowOf(live->object));
}

void SetFlag(uint32_t& flags, uint32_t bit, bool on) { flags = on ? (flags | bit) : (flags & ~bit); }

// A window's rectangle in its parent's client coordinates (screen for top level).
RECT PlacedRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  if (HWND parent = GetParent(window); parent && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  return r;
}

// The common properties, one reader and one writer each. Position and size come
// from the live window when there is one, else from the record; writes go to the
// record and, when the unit lives, to its window.
using CommonReader = TypedValue (*)(const UnitBody& b, HWND live);
using CommonWriter = void (*)(WindowEntry& entry, UnitRecord& unit, HWND live, const TypedValue& value);

TypedValue ReadLeft(const UnitBody& b, HWND live) { return MakeInt(live ? PlacedRect(live).left : b.left); }
TypedValue ReadTop(const UnitBody& b, HWND live) { return MakeInt(live ? PlacedRect(live).top : b.top); }

RECT ScreenRect(HWND live) {
  RECT r;
  GetWindowRect(live, &r);
  return r;
}
TypedValue ReadWidth(const UnitBody& b, HWND live) {
  if (!live) return MakeInt(b.width);
  const RECT r = ScreenRect(live);
  return MakeInt(r.right - r.left);
}
TypedValue ReadHeight(const UnitBody& b, HWND live) {
  if (!live) return MakeInt(b.height);
  const RECT r = ScreenRect(live);
  return MakeInt(r.bottom - r.top);
}
TypedValue ReadTag(const UnitBody& b, HWND) { return MakeTextValue(CopyText(b.tag)); }
TypedValue ReadVisible(const UnitBody& b, HWND live) {
  return MakeLogical(live ? IsWindowVisible(live) != FALSE : (b.stateFlags & kFlagVisible) != 0);
}
TypedValue ReadDisabled(const UnitBody& b, HWND live) {
  return MakeLogical(live ? IsWindowEnabled(live) == FALSE : (b.stateFlags & kFlagDisabled) != 0);
}
TypedValue ReadCursor(const UnitBody& b, HWND) {
  TypedValue v{0, 0, kTypeBytes};
  SetPointer(v, MakeByteArray(b.cursor.data(), b.cursor.size()));
  return v;
}

constexpr UINT kMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
constexpr UINT kSizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
int32_t Position(const TypedValue& value) { return std::clamp(IntOf(value), -kPositionLimit, kPositionLimit); }
int32_t Extent(const TypedValue& value) { return std::clamp(IntOf(value), 0, kPositionLimit); }

void WriteLeft(WindowEntry&, UnitRecord& unit, HWND live, const TypedValue& value) {
  unit.body.left = Position(value);
  if (live) SetWindowPos(live, nullptr, unit.body.left, PlacedRect(live).top, 0, 0, kMoveFlags);
}
void WriteTop(WindowEntry&, UnitRecord& unit, HWND live, const TypedValue& value) {
  unit.body.top = Position(value);
  if (live) SetWindowPos(live, nullptr, PlacedRect(live).left, unit.body.top, 0, 0, kMoveFlags);
}
void WriteWidth(WindowEntry&, UnitRecord& unit, HWND live, const TypedValue& value) {
  unit.body.width = Extent(value);
  if (!live) return;
  const RECT r = ScreenRect(live);
  // The display cycle writes the same size on every tick; an unchanged size
  // costs a round of window messages for nothing.
  if (unit.body.width == r.right - r.left) return;
  SetWindowPos(live, nullptr, 0, 0, unit.body.width, r.bottom - r.top, kSizeFlags);
}
void WriteHeight(WindowEntry&, UnitRecord& unit, HWND live, const TypedValue& value) {
  unit.body.height = Extent(value);
  if (!live) return;
  const RECT r = ScreenRect(live);
  if (unit.body.height == r.bottom - r.top) return;
  SetWindowPos(live, nullptr, 0, 0, r.right - r.left, unit.body.height, kSizeFlags);
}
void WriteTag(WindowEntry&, UnitRecord& unit, HWND, const TypedValue& value) {
  if (auto tag = WrittenText(value)) unit.body.tag = *tag;
}
void WriteVisible(WindowEntry& entry, UnitRecord& unit, HWND live, const TypedValue& value) {
  const bool visible = IntOf(value) != 0;
  SetFlag(unit.body.stateFlags, kFlagVisible, visible);
  if (!live) return;
  // Hiding what is hidden already does nothing (the display cycle does it on
  // every tick).
  if (!visible && (GetWindowLongA(live, GWL_STYLE) & WS_VISIBLE) == 0) return;
  if (unit.unitId == kWindowUnitId && visible) {
    ShowTemplateWindow(entry);
  } else {
    ShowWindow(live, visible ? SW_SHOW : SW_HIDE);
  }
}
void WriteDisabled(WindowEntry&, UnitRecord& unit, HWND live, const TypedValue& value) {
  const bool disabled = IntOf(value) != 0;
  SetFlag(unit.body.stateFlags, kFlagDisabled, disabled);
  if (live) EnableWindow(live, !disabled);
}
void WriteCursor(WindowEntry&, UnitRecord& unit, HWND, const TypedValue& value) {
  if (auto cursor = WrittenBytes(value)) unit.body.cursor.assign(cursor->begin(), cursor->end());
}

struct CommonProperty {
  int32_t index;
  CommonReader read;
  CommonWriter write;
};
constexpr CommonProperty kCommonProperties[] = {
    {prop::kLeft, &ReadLeft, &WriteLeft},
    {prop::kTop, &ReadTop, &WriteTop},
    {prop::kWidth, &ReadWidth, &WriteWidth},
    {prop::kHeight, &ReadHeight, &WriteHeight},
    {prop::kTag, &ReadTag, &WriteTag},
    {prop::kVisible, &ReadVisible, &WriteVisible},
    {prop::kDisabled, &ReadDisabled, &WriteDisabled},
    {prop::kCursor, &ReadCursor, &WriteCursor},
};
static_assert(std::size(kCommonProperties) == prop::kOwnBase);
constexpr bool InIndexOrder() {
  for (int32_t i = 0; i < prop::kOwnBase; ++i) {
    if (kCommonProperties[i].index != i) return false;
  }
  return true;
}
static_assert(InIndexOrder(), "the table is indexed by property index");

const CommonProperty* CommonAt(int32_t index) {
  return index >= 0 && index < prop::kOwnBase ? &kCommonProperties[index] : nullptr;
}

TypedValue ReadCommon(WindowEntry& entry, UnitRecord& unit, int32_t index) {
  const CommonProperty* p = CommonAt(index);
  return p ? p->read(unit.body, LiveWindowOf(entry, unit.unitId)) : TypedValue{};
}

void WriteCommon(WindowEntry& entry, UnitRecord& unit, int32_t index, const TypedValue& value) {
  if (const CommonProperty* p = CommonAt(index)) p->write(entry, unit, LiveWindowOf(entry, unit.unitId), value);
}

LiveUnit& RequireLiveUnit(WindowEntry& entry, uint32_t unitId) {
  LiveUnit* live = entry.FindLive(unitId);
  if (!entry.window() || !live || !live->object) FatalRuntimeError(text::kWindowNotLoaded);
  return *live;
}

}  // namespace

TypedValue ReadUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t) {
  WindowEntry& entry = RequireWindow(windowId);
  if (unitId == 0) unitId = kWindowUnitId;
  UnitRecord* unit = RecordOf(entry, unitId);
  if (!unit) FatalRuntimeError(text::kUnitWindowMissing);
  if (unit->isMenuItem()) return ReadMenuProperty(*unit, index);
  if (index < prop::kOwnBase) return ReadCommon(entry, *unit, index);
  if (unitId == kWindowUnitId) {
    if (index == prop::kWindowState) return MakeInt(entry.windowState);
    if (index == prop::kAlwaysOnTop) return MakeInt(entry.alwaysOnTop);
    return {};
  }
  LiveUnit& live = RequireLiveUnit(entry, unitId);
  TypedValue out;
  if (live.type->readProperty && live.type->readProperty(live.object, index - prop::kOwnBase, out)) return out;
  return {};
}

void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, const TypedValue& value, int32_t arrayIndex) {
  WindowEntry& entry = RequireWindow(windowId);
  if (unitId == 0) unitId = kWindowUnitId;
  UnitRecord* unit = RecordOf(entry, unitId);
  if (!unit) FatalRuntimeError(text::kUnitWindowMissing);
  if (unit->isMenuItem()) return WriteMenuProperty(entry.window(), entry.record, *unit, index, value);
  if (index < prop::kOwnBase) return WriteCommon(entry, *unit, index, value);
  if (unitId == kWindowUnitId) {
    HWND window = static_cast<HWND>(entry.window());
    if (index == prop::kWindowState) {
      entry.windowState = std::clamp(IntOf(value), int32_t{kWindowNormal}, int32_t{kWindowMaximised});
      // Applied at once only while visible; otherwise at the first showing.
      if (window && IsWindowVisible(window)) ApplyWindowState(entry);
    } else if (index == prop::kAlwaysOnTop) {
      entry.alwaysOnTop = IntOf(value);
      ApplyAlwaysOnTop(entry);
    }
    return;
  }
  LiveUnit& live = RequireLiveUnit(entry, unitId);
  if (live.type->propertyWritten) live.type->propertyWritten(live.object, index - prop::kOwnBase, arrayIndex, value);
}

void* UnitWindowHandle(uint32_t windowId, uint32_t unitId) {
  WindowEntry* entry = Windows().Find(windowId);
  if (!entry) return nullptr;
  return LiveWindowOf(*entry, unitId);
}

void* UnitObject(uint32_t windowId, uint32_t unitId) {
  WindowEntry* entry = Windows().Find(windowId);
  if (!entry) return nullptr;
  LiveUnit* live = entry->FindLive(unitId);
  return live ? live->object : nullptr;
}

}  // namespace lizhi::rt
