// Starting the program with the user's session, and handing files to the
// shell. The commands' calling form is at the end.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/base/typed_value.h"
#include "system/autostart_rules.h"

namespace lizhi::sys {

// Registers `path` to start with the session under `name`: as a value of the
// Run key (method 0, and anything but 1) or as a shortcut in the Startup
// folder (method 1; COM must be initialised on the calling thread). The Run
// value goes under HKEY_LOCAL_MACHINE, or under HKEY_CURRENT_USER when the
// machine-wide key refuses it. False when the file does not exist or nothing
// could be registered.
bool SetAutoStart(std::string_view name, std::string_view path, std::optional<int32_t> method = std::nullopt);

// Removes `name` from both Run keys and its Startup shortcut, then tells the
// shell. True when anything was removed.
bool RemoveAutoStart(std::string_view name);

// ShellExecute with the request's verb, parameters, directory and show state;
// true when the shell carried it out (the runtime command ignores the answer).
bool ExecuteFile(const ExecuteFileRequest& request);

// The runtime commands: SetAutoStart(name, path, method?) -> logical,
// RemoveAutoStart(name) -> logical, ExecuteFile(verb?, file, parameters?,
// directory?, show mode?).
void SetAutoStartCommand(rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args);
void RemoveAutoStartCommand(rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args);
void ExecuteFileCommand(rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args);

}  // namespace lizhi::sys
