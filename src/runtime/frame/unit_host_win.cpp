#include <windows.h>

#include "runtime/base/fatal.h"
#include "runtime/base/memory.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/music_stop.h"
#include "runtime/frame/unit_host.h"
#include "runtime/frame/window_table.h"

namespace lizhi::rt {

namespace {

void ForgetUnit(uint32_t windowId, uint32_t unitId) {
  WindowEntry* entry = Windows().Find(windowId);
  if (!entry) return;
  if (LiveUnit* live = entry->FindLive(unitId)) live->object = nullptr;
}

intptr_t UnitWindow(uint32_t windowId, uint32_t unitId) {
  void* window = UnitWindowHandle(windowId, unitId);
  if (!window || !IsWindow(static_cast<HWND>(window))) FatalRuntimeError(text::kUnitWindowMissing);
  return reinterpret_cast<intptr_t>(window);
}

void FreeValue(uint32_t type, void* value) {
  const uint32_t base = BaseType(type);
  if ((type & kByRefFlag) && (base == kTypeText || base == kTypeBytes)) {
    FreeTextArray(value);  // an array block whose elements are blocks too
  } else {
    Free(value);
  }
}

}  // namespace

intptr_t UnitHostCallback(int32_t code, intptr_t first, intptr_t second) {
  RuntimeState& state = Runtime();
  switch (code) {
    case kHostWindowTable:
      return reinterpret_cast<intptr_t>(&Windows());
    case kHostUnitDestroyed:
      ForgetUnit(static_cast<uint32_t>(first), static_cast<uint32_t>(second));
      return 0;
    case kHostProgramDirectory:
      return reinterpret_cast<intptr_t>(state.programDirectory.c_str());
    case kHostExecutableName:
      return reinterpret_cast<intptr_t>(state.executableName.c_str());
    case kHostUnitWindow:
      return UnitWindow(static_cast<uint32_t>(first), static_cast<uint32_t>(second));
    case kHostFireEvent:
      return DispatchEvent(*reinterpret_cast<EventRecord*>(first));
    case kHostBeginBuild:
      ProcessPendingMessages();
      ++state.suppressionCount;
      return 0;
    case kHostEndBuild:
      ProcessPendingMessages();
      if (state.suppressionCount > 0) --state.suppressionCount;
      return 0;
    case kHostStopMusic:
      StopRegisteredMusic();
      return 0;
    case kHostProcessMessages:
      return ProcessPendingMessages() ? 1 : 0;
    case kHostFreeValue:
      FreeValue(static_cast<uint32_t>(first), reinterpret_cast<void*>(second));
      return 0;
    case kHostAllocate:
      return reinterpret_cast<intptr_t>(second ? AllocatePlain(static_cast<size_t>(first))
                                               : Allocate(static_cast<size_t>(first)));
    case kHostFree:
      Free(reinterpret_cast<void*>(first));
      return 0;
    case kHostReallocate:
      return reinterpret_cast<intptr_t>(Reallocate(reinterpret_cast<void*>(first), static_cast<size_t>(second)));
    case kHostFatal:
      FatalRuntimeError(reinterpret_cast<const char*>(first), 0);
    default:
      return 0;
  }
}

int32_t FireUnitEvent(uint32_t windowId, uint32_t unitId, int32_t index) {
  EventRecord event;
  event.windowId = windowId;
  event.unitId = unitId;
  event.eventIndex = index;
  return static_cast<int32_t>(UnitHostCallback(kHostFireEvent, reinterpret_cast<intptr_t>(&event), 0));
}

}  // namespace lizhi::rt
