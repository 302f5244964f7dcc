// Reading and writing unit properties by index: 0..7 common to units with a
// window, 8.. the unit type's own; menu items have their own four.
#include <windows.h>

#include <algorithm>

#include "runtime/frame/fatal.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/frame_windows_win.h"
#include "runtime/menus/menu_properties_win.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/frame/window_table.h"
#include "runtime/base/written_value.h"

namespace lizhi::rt {

namespace {

constexpr int32_t kPositionLimit = 32627;
constexpr int32_t kOwnBase = 8;
constexpr int32_t kWindowStateIndex = 18;
constexpr int32_t kAlwaysOnTopIndex = 29;

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
  if (unitId == kWindowUnitId || unitId == 0) return static_cast<HWND>(entry.window);
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

TypedValue ReadCommon(WindowEntry& entry, UnitRecord& unit, int32_t index) {
  HWND live = LiveWindowOf(entry, unit.unitId);
  const UnitBody& b = unit.body;
  switch (index) {
    case 0:
    case 1: {
      if (!live) return MakeInt(index == 0 ? b.left : b.top);
      RECT r = PlacedRect(live);
      return MakeInt(index == 0 ? r.left : r.top);
    }
    case 2:
    case 3: {
      if (!live) return MakeInt(index == 2 ? b.width : b.height);
      RECT r;
      GetWindowRect(live, &r);
      return MakeInt(index == 2 ? r.right - r.left : r.bottom - r.top);
    }
    case 4:
      return MakeTextValue(CopyText(b.tag));
    case 5:
      return MakeLogical(live ? IsWindowVisible(live) != FALSE : (b.stateFlags & kFlagVisible) != 0);
    case 6:
      return MakeLogical(live ? IsWindowEnabled(live) == FALSE : (b.stateFlags & kFlagDisabled) != 0);
    case 7: {
      TypedValue v{0, 0, kTypeBytes};
      SetPointer(v, MakeByteArray(b.cursor.data(), b.cursor.size()));
      return v;
    }
    default:
      return {};
  }
}

void WriteCommon(WindowEntry& entry, UnitRecord& unit, int32_t index, const TypedValue& value) {
  HWND live = LiveWindowOf(entry, unit.unitId);
  UnitBody& b = unit.body;
  const int32_t n = IntOf(value);
  switch (index) {
    case 0:
    case 1: {
      const int32_t v = std::clamp(n, -kPositionLimit, kPositionLimit);
      (index == 0 ? b.left : b.top) = v;
      if (live) {
        RECT r = PlacedRect(live);
        SetWindowPos(live, nullptr, index == 0 ? v : r.left, index == 1 ? v : r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    }
    case 2:
    case 3: {
      const int32_t v = std::clamp(n, 0, kPositionLimit);
      (index == 2 ? b.width : b.height) = v;
      if (live) {
        RECT r;
        GetWindowRect(live, &r);
        const int32_t width = index == 2 ? v : r.right - r.left, height = index == 3 ? v : r.bottom - r.top;
        // The display cycle writes the same size on every tick; an unchanged
        // size costs a round of window messages for nothing.
        if (width != r.right - r.left || height != r.bottom - r.top)
          SetWindowPos(live, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      break;
    }
    case 4:
      if (auto tag = WrittenText(value)) b.tag = *tag;
      break;
    case 5:
      SetFlag(b.stateFlags, kFlagVisible, n != 0);
      if (!live) break;
      // Hiding what is hidden already does nothing (the display cycle does it
      // on every tick).
      if (n == 0 && (GetWindowLongA(live, GWL_STYLE) & WS_VISIBLE) == 0) break;
      if (unit.unitId == kWindowUnitId && n != 0) {
        ShowTemplateWindow(entry);
      } else {
        ShowWindow(live, n != 0 ? SW_SHOW : SW_HIDE);
      }
      break;
    case 6:
      SetFlag(b.stateFlags, kFlagDisabled, n != 0);
      if (live) EnableWindow(live, n == 0);
      break;
    case 7:
      if (auto cursor = WrittenBytes(value)) b.cursor.assign(cursor->begin(), cursor->end());
      break;
    default:
      break;
  }
}

LiveUnit& RequireLiveUnit(WindowEntry& entry, uint32_t unitId) {
  LiveUnit* live = entry.FindLive(unitId);
  if (!entry.window || !live || !live->object) FatalRuntimeError(text::kWindowNotLoaded);
  return *live;
}

}  // namespace

TypedValue ReadUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, int32_t) {
  WindowEntry& entry = RequireWindow(windowId);
  if (unitId == 0) unitId = kWindowUnitId;
  UnitRecord* unit = RecordOf(entry, unitId);
  if (!unit) FatalRuntimeError(text::kUnitWindowMissing);
  if (unit->isMenuItem()) return ReadMenuProperty(*unit, index);
  if (index < kOwnBase) return ReadCommon(entry, *unit, index);
  if (unitId == kWindowUnitId) {
    if (index == kWindowStateIndex) return MakeInt(entry.windowState);
    if (index == kAlwaysOnTopIndex) return MakeInt(entry.alwaysOnTop);
    return {};
  }
  LiveUnit& live = RequireLiveUnit(entry, unitId);
  TypedValue out;
  if (live.type->readProperty && live.type->readProperty(live.object, index - kOwnBase, out)) return out;
  return {};
}

void WriteUnitProperty(uint32_t windowId, uint32_t unitId, int32_t index, const TypedValue& value, int32_t arrayIndex) {
  WindowEntry& entry = RequireWindow(windowId);
  if (unitId == 0) unitId = kWindowUnitId;
  UnitRecord* unit = RecordOf(entry, unitId);
  if (!unit) FatalRuntimeError(text::kUnitWindowMissing);
  if (unit->isMenuItem()) return WriteMenuProperty(entry, *unit, index, value);
  if (index < kOwnBase) return WriteCommon(entry, *unit, index, value);
  if (unitId == kWindowUnitId) {
    HWND window = static_cast<HWND>(entry.window);
    if (index == kWindowStateIndex) {
      entry.windowState = std::clamp(IntOf(value), 0, 3);
      // Applied at once only while visible; otherwise at the first showing.
      if (window && IsWindowVisible(window)) ApplyWindowState(entry);
    } else if (index == kAlwaysOnTopIndex) {
      entry.alwaysOnTop = IntOf(value);
      ApplyAlwaysOnTop(entry);
    }
    return;
  }
  LiveUnit& live = RequireLiveUnit(entry, unitId);
  if (live.type->propertyWritten) live.type->propertyWritten(live.object, index - kOwnBase, arrayIndex, value);
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
