#include <cstdio>
#include <cstdlib>

#include "runtime/base/fatal.h"

namespace lizhi::rt {
void ShowFatalAndExit(const std::string& text) {
  std::fputs(text.c_str(), stderr);
  std::_Exit(255);
}
}  // namespace lizhi::rt
