#include "runtime/commands/ini.h"

namespace lizhi::rt {

namespace {
bool IsEmpty(const char* text) { return !text || !*text; }
}  // namespace

std::string ReadIniItem(const char* file, const char* section, const char* key, const char* defaultValue) {
  if (IsEmpty(file) || IsEmpty(section) || IsEmpty(key)) return {};
  return ReadProfileString(file, section, key, defaultValue ? defaultValue : "", kIniBufferSize);
}

bool WriteIniItem(const char* file, const char* section, const char* key, const char* value) {
  return WriteProfileString(file, section, key, value);
}

}  // namespace lizhi::rt
