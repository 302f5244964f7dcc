// The shell library: session-start registration and handing files to the
// shell, as commands in the frame's calling form (see autostart.h for what
// each one does).
#pragma once
#include <cstdint>

namespace lizhi::sys {

constexpr uint32_t kShellLibrary = 6;

enum ShellCommand : int32_t {
  kCommandSetAutoStart = 0,     // (name, path, method?) -> logical
  kCommandRemoveAutoStart = 1,  // (name) -> logical
  kCommandExecuteFile = 2,      // (verb?, file, parameters?, directory?, show mode?)
};

// Makes the commands callable through the frame.
void RegisterShellLibrary();

}  // namespace lizhi::sys
