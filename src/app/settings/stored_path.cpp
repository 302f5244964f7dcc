#include "app/settings/stored_path.h"

#include "runtime/base/runtime_state.h"
#include "runtime/commands/files.h"
#include "runtime/commands/gbk_text.h"

namespace lizhi::app {

std::string JoinProgramDirectory(std::string_view programDirectory, std::string_view value) {
  std::string candidate(programDirectory);
  candidate += '\\';
  candidate.append(value);
  // Pairs collapse left to right. The replacement steps over double-byte
  // characters: 0x5C can be the second byte of a GBK character.
  return rt::ReplaceAll(candidate, "\\\\", "\\");
}

std::string StripProgramDirectory(std::string_view programDirectory, std::string_view chosen) {
  // Only a path continuing with "\" lies inside: "D:\lizhi2\a.txt" shares its
  // first bytes with "D:\lizhi" but stored as "2\a.txt" it would resolve to nothing.
  size_t n = programDirectory.size();
  if (chosen.size() > n && chosen[n] == '\\' &&
      rt::ToLowerCase(chosen.substr(0, n)) == rt::ToLowerCase(programDirectory))
    return std::string(chosen.substr(n));
  return std::string(chosen);
}

std::optional<std::string> ResolveStoredPath(std::string_view value) {
  std::string asWritten(value);
  if (rt::FileExists(asWritten.c_str())) return asWritten;
  std::string candidate = JoinProgramDirectory(rt::Runtime().programDirectory, value);
  if (rt::FileExists(candidate.c_str())) return candidate;
  return std::nullopt;
}

std::string ToStoredPath(std::string_view chosen) {
  return StripProgramDirectory(rt::Runtime().programDirectory, chosen);
}

}  // namespace lizhi::app
