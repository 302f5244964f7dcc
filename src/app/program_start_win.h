// The program's start: the runtime from the start-up window's template, the
// program's unit types, the core's state and handlers, and the start-up window.
#pragma once
#include <cstdint>

namespace lizhi::app {
// `runMode` is the frame's run mode (the program's own, or a host's).
void StartProgram(int32_t runMode);
}  // namespace lizhi::app
