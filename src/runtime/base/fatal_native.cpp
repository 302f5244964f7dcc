#include <cstdio>
#include <cstdlib>

#include "runtime/base/fatal.h"

namespace lizhi::rt {
void ShowFatalAndExit(const char* text) {
  std::fputs(text, stderr);
  std::_Exit(255);
}
}  // namespace lizhi::rt
