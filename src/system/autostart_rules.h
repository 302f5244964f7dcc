// The platform-free rules of session-start registration and of opening files
// with the shell: what goes into the Run value, where the Startup shortcut
// lives, and the verb and show-mode tables.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/commands/call_form.h"

namespace lizhi::sys {

enum class AutoStartMethod : int32_t {
  kRegistry = 0,
  kShortcut = 1,
};
// 1 is the shortcut; absent, 0 and anything else the registry.
AutoStartMethod ChooseAutoStartMethod(std::optional<int32_t> method);

// The Run value's data: the program path, quoted when it holds a space so that
// the shell does not take its first word for the program.
std::string RunValueData(std::string_view path);

// "<folder>\<name>.lnk"
std::string StartupShortcutPath(std::string_view startupFolder, std::string_view name);
// The part before the last backslash (the whole path when there is none).
std::string_view FolderOf(std::string_view path);

// Verb 1 "edit", 2 "explore", 3 "find", 4 "open", 5 "print"; any other: null,
// the shell's default verb.
const char* ShellVerb(int32_t verb);
// Show mode 1 hide, 2 normal, 3 minimised, 4 maximised, 5 show without
// activating, 6 minimise; any other or absent: normal. The platform's numbers.
int32_t ShowState(std::optional<int32_t> mode);

struct ExecuteFileRequest {
  const char* verb = nullptr;  // null: the default verb
  std::string file;
  std::optional<std::string> parameters;
  std::string directory;  // empty when not given
  int32_t showState = 1;  // SW_SHOWNORMAL
};
// Arguments: verb (optional), file, parameters (optional), directory
// (optional), show mode (counts only when all five are passed).
ExecuteFileRequest ReadExecuteFileArgs(const rt::CommandArgs& args);

}  // namespace lizhi::sys
