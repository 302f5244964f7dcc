// The frame services the window and event commands use. On Windows they are
// the program frame's; the Linux stand-ins record what was asked.
#pragma once
#include <cstdint>

namespace lizhi::rt {

// The unit's live window handle (a window unit: the window itself), or 0.
uintptr_t UnitWindowHandleOf(uint32_t windowId, uint32_t unitId);
// Pops up the template menu of the window at the cursor.
void PopupUnitMenu(uint32_t windowId, uint32_t menuUnitId);
// Processes the window messages waiting.
void PumpPendingMessages();
// Asks the frame to stop every sound it plays (host code 2016).
void RequestStopAllMusic();

}  // namespace lizhi::rt
