// Bringing the running program in line with "setup.ini": check marks, timers,
// the start-up window's state, the agent and the music.
#pragma once
#include <cstdint>

#include "app/core_host.h"

namespace lizhi::app {

void ApplySettings(CoreHost& host);

// Sets the check mark of one of the four mode items and clears the other three.
void CheckModeAlone(CoreHost& host, uint32_t modeItem);
// Timer interval and the balloon's auto-hide delay together.
void SetDisplayInterval(CoreHost& host, int32_t ms);

}  // namespace lizhi::app
