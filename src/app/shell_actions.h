// The session-start registration and the shell's edit verb, as the tray menu
// uses them.
#pragma once
#include <string_view>

namespace lizhi::app::shell_actions {

// Registers `path` to start with the session under `name` (the Run value);
// true when it was registered.
bool SetAutoStart(std::string_view name, std::string_view path);
// True when a registration was removed.
bool RemoveAutoStart(std::string_view name);
// Opens the file with the shell's "edit" verb, or in Notepad when the file's
// type has no such verb.
void EditFile(std::string_view path);

}  // namespace lizhi::app::shell_actions
