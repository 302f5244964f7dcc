// Process-wide state of the runtime that the frame, the units and the commands
// share. Touched only on the GUI thread.
#pragma once
#include <cstdint>
#include <string>

namespace lizhi::rt {

using ExitRoutine = void (*)();

// Run modes, given by the build. The program runs in kRunModeProgram; in
// kRunModeDebug a fatal error also breaks into a debugger; in kRunModePlain a
// window created hidden ignores its stored window state at its first showing.
constexpr int32_t kRunModePlain = 0;
constexpr int32_t kRunModeDebug = 2;
constexpr int32_t kRunModeProgram = 3;

struct RuntimeState {
  std::string programDirectory;  // no trailing backslash
  std::string executableName;
  int32_t runMode = kRunModeProgram;
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
