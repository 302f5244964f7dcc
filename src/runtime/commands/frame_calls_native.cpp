#include "runtime/commands/frame_calls.h"
#include "runtime/commands/stand_ins_native.h"

namespace lizhi::rt {

std::vector<native::PopupCall>& native::PopupCalls() {
  static std::vector<PopupCall> calls;
  return calls;
}

int32_t& native::StopAllMusicRequests() {
  static int32_t count = 0;
  return count;
}

uintptr_t UnitWindowHandleOf(uint32_t, uint32_t) { return 0; }
void PopupUnitMenu(uint32_t windowId, uint32_t menuUnitId) { native::PopupCalls().push_back({windowId, menuUnitId}); }
void PumpPendingMessages() {}
void RequestStopAllMusic() { ++native::StopAllMusicRequests(); }

}  // namespace lizhi::rt
