// INI items through the platform's private-profile functions.
#pragma once
#include <cstddef>
#include <string>

namespace lizhi::rt {

// The read buffer: at most kIniBufferSize - 1 bytes of a value are seen.
constexpr size_t kIniBufferSize = 10240;

// The value of the key, or `defaultValue` (null: empty) when the file, section
// or key is missing. An empty file path, section or key reads nothing and gives
// the empty text.
std::string ReadIniItem(const char* file, const char* section, const char* key, const char* defaultValue);
// Writes the value; a null value deletes the key, a null key the whole section.
// The file and the section are created when missing. True on success.
bool WriteIniItem(const char* file, const char* section, const char* key, const char* value);

// The platform's own functions (GetPrivateProfileStringA and
// WritePrivateProfileStringA on Windows).
std::string ReadProfileString(const char* file, const char* section, const char* key, const char* defaultValue,
                              size_t bufferSize);
bool WriteProfileString(const char* file, const char* section, const char* key, const char* value);

}  // namespace lizhi::rt
