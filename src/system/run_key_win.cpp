#include "system/run_key_win.h"

#include <windows.h>

#include <algorithm>

#include "runtime/base/win_handles.h"

namespace lizhi::sys {

namespace {

constexpr char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

HKEY RootOf(RunKeyScope scope) { return scope == RunKeyScope::kMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

bool OpenRunKey(RunKeyScope scope, REGSAM access, win::RegistryKey& key) {
  if (scope == RunKeyScope::kUser && (access & KEY_SET_VALUE)) {
    return RegCreateKeyExA(RootOf(scope), kRunKeyPath, 0, nullptr, 0, access, nullptr, key.put(), nullptr) ==
           ERROR_SUCCESS;
  }
  return RegOpenKeyExA(RootOf(scope), kRunKeyPath, 0, access, key.put()) == ERROR_SUCCESS;
}

}  // namespace

bool WriteRunValue(RunKeyScope scope, const std::string& name, const std::string& data) {
  win::RegistryKey key;
  if (!OpenRunKey(scope, KEY_SET_VALUE, key)) return false;
  return RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteRunValue(RunKeyScope scope, const std::string& name) {
  win::RegistryKey key;
  if (RegOpenKeyExA(RootOf(scope), kRunKeyPath, 0, KEY_SET_VALUE, key.put()) != ERROR_SUCCESS) return false;
  return RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

std::optional<std::string> ReadRunValue(RunKeyScope scope, const std::string& name) {
  win::RegistryKey key;
  if (!OpenRunKey(scope, KEY_QUERY_VALUE, key)) return std::nullopt;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) {
    return std::nullopt;
  }
  std::string data(size, '\0');
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  data.resize(std::min<size_t>(size, data.size()));
  while (!data.empty() && data.back() == '\0') data.pop_back();
  return data;
}

RunValueWriter& RunValueWriterInUse() {
  static RunValueWriter writer = &WriteRunValue;
  return writer;
}

}  // namespace lizhi::sys
