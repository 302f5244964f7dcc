// Lets a native test observe FatalRuntimeError: while a trap is alive the fatal
// path throws FatalError instead of ending the process.
#pragma once
#include <string>

#include "runtime/base/fatal.h"
#include "runtime/base/runtime_state.h"

namespace lizhi::test {

struct FatalError {
  std::string text;
};

inline void ThrowFatal(const char* text) { throw FatalError{text}; }

class FatalTrap {
 public:
  FatalTrap() { rt::SetFatalHandler(&ThrowFatal); }
  ~FatalTrap() {
    rt::SetFatalHandler(nullptr);
    rt::Runtime().suppressionCount = 0;
  }
  FatalTrap(const FatalTrap&) = delete;
  FatalTrap& operator=(const FatalTrap&) = delete;
};

// Runs `body` and returns the fatal text it raised ("" when none).
template <typename Body>
std::string FatalTextOf(Body&& body) {
  FatalTrap trap;
  try {
    body();
  } catch (const FatalError& e) {
    return e.text;
  }
  return {};
}

}  // namespace lizhi::test
