#include <windows.h>

#include "runtime/commands/call_form.h"
#include "system/autostart.h"
#include "system/run_key_win.h"
#include "system/shell_link_win.h"

namespace lizhi::sys {

namespace {

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RegisterShortcut(const std::string& name, const std::string& path) {
  std::optional<std::string> folder = StartupFolder();
  if (!folder) return false;
  std::string link = StartupShortcutPath(*folder, name);
  if (!CreateShortcut(link, path)) return false;
  NotifyShellOfChange(ShellChange::kCreated, link);
  return true;
}

bool RegisterRunValue(const std::string& name, const std::string& path) {
  if (!FileExists(path)) return false;
  const std::string data = RunValueData(path);
  RunValueWriter write = RunValueWriterInUse();
  // Writing for every user needs rights an ordinary user lacks; the user's own
  // Run key starts the program for that user just the same.
  return write(RunKeyScope::kMachine, name, data) || write(RunKeyScope::kUser, name, data);
}

}  // namespace

bool SetAutoStart(std::string_view name, std::string_view path, std::optional<int32_t> method) {
  const std::string nameText(name), pathText(path);
  if (!FileExists(pathText)) return false;
  if (ChooseAutoStartMethod(method) == AutoStartMethod::kShortcut) return RegisterShortcut(nameText, pathText);
  return RegisterRunValue(nameText, pathText);
}

bool RemoveAutoStart(std::string_view name) {
  const std::string nameText(name);
  bool removed = DeleteRunValue(RunKeyScope::kMachine, nameText);
  removed = DeleteRunValue(RunKeyScope::kUser, nameText) || removed;
  if (std::optional<std::string> folder = StartupFolder()) {
    std::string link = StartupShortcutPath(*folder, nameText);
    removed = DeleteFileA(link.c_str()) || removed;
    NotifyShellOfChange(ShellChange::kDeleted, link);
  }
  return removed;
}

void SetAutoStartCommand(rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  rt::CommandArgs a(argCount, args);
  std::optional<int32_t> method;
  if (a.Given(2)) method = a.Int(2);
  rt::SetLogical(result, SetAutoStart(a.Text(0), a.Text(1), method));
}

void RemoveAutoStartCommand(rt::TypedValue& result, int32_t argCount, const rt::TypedValue* args) {
  rt::CommandArgs a(argCount, args);
  rt::SetLogical(result, RemoveAutoStart(a.Text(0)));
}

}  // namespace lizhi::sys
