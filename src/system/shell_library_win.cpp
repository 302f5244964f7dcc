#include "runtime/frame/library_calls.h"
#include "system/autostart.h"
#include "system/shell_library.h"

namespace lizhi::sys {

namespace {
constexpr rt::CommandFn kCommands[] = {&SetAutoStartCommand, &RemoveAutoStartCommand, &ExecuteFileCommand};
static_assert(kCommands[kCommandExecuteFile] == &ExecuteFileCommand);
}  // namespace

void RegisterShellLibrary() { rt::RegisterLibraryCommands(kShellLibrary, kCommands); }

}  // namespace lizhi::sys
