#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "app/shell_actions.h"
#include "runtime/frame/library_calls.h"
#include "system/autostart.h"
#include "system/shell_library.h"

namespace lizhi::app::shell_actions {

namespace {
constexpr int32_t kRegistryValue = 0;
constexpr int32_t kEditVerb = 1;

// True when the file's type registers an "edit" command of its own. Without
// one the shell may fall back to running the file (a .bat under Wine does).
bool TypeHasEditVerb(const std::string& path) {
  const char* extension = PathFindExtensionA(path.c_str());
  if (!extension || !*extension) return false;
  char command[MAX_PATH * 2];
  DWORD size = sizeof command;
  return AssocQueryStringA(0, ASSOCSTR_COMMAND, extension, "edit", command, &size) == S_OK;
}
}  // namespace

bool SetAutoStart(std::string_view name, std::string_view path) {
  const std::string n(name), p(path);
  const rt::TypedValue args[] = {rt::MakeTextValue(n.c_str()), rt::MakeTextValue(p.c_str()),
                                 rt::MakeInt(kRegistryValue)};
  return rt::CallLibraryCommand(rt::LibraryOwner(sys::kShellLibrary), sys::kCommandSetAutoStart, 3, args).low != 0;
}

bool RemoveAutoStart(std::string_view name) {
  const std::string n(name);
  const rt::TypedValue args[] = {rt::MakeTextValue(n.c_str())};
  return rt::CallLibraryCommand(rt::LibraryOwner(sys::kShellLibrary), sys::kCommandRemoveAutoStart, 1, args).low != 0;
}

void EditFile(std::string_view path) {
  sys::ExecuteFileRequest request;
  request.verb = sys::ShellVerb(kEditVerb);
  request.file = std::string(path);
  if (TypeHasEditVerb(request.file) && sys::ExecuteFile(request)) return;
  // Many file types (text files among them, with some editors) register no
  // "edit" verb. Notepad then, never the default verb: the chooser takes any
  // file, and "open" on an .exe or .bat would run it.
  char system[MAX_PATH];
  UINT length = GetSystemDirectoryA(system, sizeof system);
  if (length == 0 || length >= sizeof system) return;
  sys::ExecuteFileRequest notepad;
  notepad.verb = "open";
  notepad.file = std::string(system, length) + "\\notepad.exe";
  notepad.parameters = "\"" + std::string(path) + "\"";
  sys::ExecuteFile(notepad);
}

}  // namespace lizhi::app::shell_actions
