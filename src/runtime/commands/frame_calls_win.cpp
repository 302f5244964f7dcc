#include "runtime/commands/frame_calls.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_host.h"

namespace lizhi::rt {

uintptr_t UnitWindowHandleOf(uint32_t windowId, uint32_t unitId) {
  return reinterpret_cast<uintptr_t>(UnitWindowHandle(windowId, unitId));
}

void PopupUnitMenu(uint32_t windowId, uint32_t menuUnitId) { PopupTemplateMenu(windowId, menuUnitId); }

void PumpPendingMessages() { ProcessPendingMessages(); }

void RequestStopAllMusic() { UnitHostCallback(kHostStopMusic, 0, 0); }

}  // namespace lizhi::rt
