#include "app/single_instance.h"

#include <cstdint>
#include <cstdio>

namespace lizhi::app {

std::string InstanceName(std::string_view programDirectory) {
  uint64_t hash = 14695981039346656037ull;  // 64-bit FNV-1a
  auto mix = [&](unsigned char b) { hash = (hash ^ b) * 1099511628211ull; };
  for (size_t i = 0; i < programDirectory.size(); ++i) {
    auto b = static_cast<unsigned char>(programDirectory[i]);
    if (b >= 0x80 && i + 1 < programDirectory.size()) {
      mix(b);
      mix(static_cast<unsigned char>(programDirectory[++i]));
      continue;
    }
    mix(b >= 'a' && b <= 'z' ? static_cast<unsigned char>(b - 'a' + 'A') : b);
  }
  char name[40];
  std::snprintf(name, sizeof name, "lizhi-%016llx", static_cast<unsigned long long>(hash));
  return name;
}

}  // namespace lizhi::app
