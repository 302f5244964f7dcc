#include <windows.h>
// <windows.h> maps WriteProfileString to its ANSI API; ours is a different routine.
#undef WriteProfileString

#include <vector>

#include "runtime/commands/ini.h"

namespace lizhi::rt {

std::string ReadProfileString(const char* file, const char* section, const char* key, const char* defaultValue,
                              size_t bufferSize) {
  std::vector<char> buffer(bufferSize, '\0');
  GetPrivateProfileStringA(section, key, defaultValue, buffer.data(), static_cast<DWORD>(buffer.size()), file);
  buffer.back() = '\0';
  return std::string(buffer.data());
}

bool WriteProfileString(const char* file, const char* section, const char* key, const char* value) {
  return WritePrivateProfileStringA(section, key, value, file) != 0;
}

}  // namespace lizhi::rt
