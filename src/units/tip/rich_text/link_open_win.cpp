#include "units/tip/rich_text/link_open_win.h"

#include <windows.h>
#include <shellapi.h>

#include "units/tip/rich_text/link_rules.h"

namespace lizhi::tip {
namespace {

// The default value of a key under HKEY_CLASSES_ROOT (REG_EXPAND_SZ values
// come back expanded).
std::string DefaultValue(const std::string& key) {
  char value[1024];
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
    return {};
  }
  return value;
}

}  // namespace

bool OpenAddress(const std::string& target) {
  if (!IsOpenableAddress(target)) return false;
  auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOW));
  if (result > 32) return true;
  std::string htmClass = DefaultValue(".htm");
  if (htmClass.empty()) return false;
  std::string command = DefaultValue(htmClass + "\\shell\\open\\command");
  if (command.empty()) return false;
  return WinExec(BrowserCommandLine(command, target).c_str(), SW_SHOW) > 31;
}

}  // namespace lizhi::tip
