// Process-wide state of the runtime that the frame, the units and the commands
// share. Touched only on the GUI thread.
#pragma once
#include <cstdint>
#include <string>

namespace lizhi::rt {

using ExitRoutine = void (*)();

struct RuntimeState {
  std::string programDirectory;  // no trailing backslash
  std::string executableName;
  int32_t runMode = 3;           // 2 breaks into a debugger after a fatal error
  int32_t suppressionCount = 0;  // events are dropped while above 0
  ExitRoutine exitRoutine = nullptr;
  bool exiting = false;
  uint32_t eventSourceWindow = 0;  // the unit whose handler is running
  uint32_t eventSourceUnit = 0;
  uint32_t mainThreadId = 0;
};

RuntimeState& Runtime();

// Splits a module path at its last backslash into directory and file name.
void SplitModulePath(const std::string& path, std::string& directory, std::string& name);

}  // namespace lizhi::rt
