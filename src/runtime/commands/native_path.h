// The Linux stand-ins take the program's Windows-style paths: backslashes
// become slashes, everything else is kept byte for byte.
#pragma once
#include <string>
#include <string_view>

namespace lizhi::rt {

inline std::string NativePath(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

}  // namespace lizhi::rt
