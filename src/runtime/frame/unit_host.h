// How units talk to the frame: one callback with numeric codes, and the event
// record a unit hands over to fire an event.
#pragma once
#include <cstdint>

namespace lizhi::rt {

struct EventRecord {
  uint32_t windowId = 0;
  uint32_t unitId = 0;
  int32_t eventIndex = 0;  // negative: the common events below
  int32_t argCount = 0;    // 0..5
  int32_t args[5] = {};
  int32_t hasResult = 0;  // set by the frame when the handler returned a value
  int32_t result = 0;
};

// Events every unit with a window fires, without arguments.
constexpr int32_t kEventFocusGained = -7;  // WM_SETFOCUS
constexpr int32_t kEventFocusLost = -8;    // WM_KILLFOCUS

enum HostCode : int32_t {
  kHostWindowTable = 1001,
  kHostUnitDestroyed = 2000,     // (window id, unit id)
  kHostProgramDirectory = 2003,  // -> const char*
  kHostExecutableName = 2004,    // -> const char*
  kHostUnitWindow = 2007,        // (window id, unit id) -> HWND, fatal when none
  kHostFireEvent = 2008,         // (EventRecord*) -> 1 if a handler ran
  kHostBeginBuild = 2009,
  kHostEndBuild = 2010,
  kHostStopMusic = 2016,
  kHostProcessMessages = 2018,
  kHostFreeValue = 2023,   // (type code, value)
  kHostAllocate = 2024,    // (bytes, plain flag)
  kHostFree = 2025,        // (block)
  kHostReallocate = 2026,  // (block, bytes)
  kHostFatal = 2027,       // (message text)
};

intptr_t UnitHostCallback(int32_t code, intptr_t first, intptr_t second);

// Convenience for units: fire event `index` of a unit with no arguments.
int32_t FireUnitEvent(uint32_t windowId, uint32_t unitId, int32_t index);

}  // namespace lizhi::rt
