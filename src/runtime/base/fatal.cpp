#include "runtime/base/fatal.h"

#include <cstddef>

#include "runtime/base/runtime_state.h"
#include "runtime/base/runtime_texts.h"

namespace lizhi::rt {

namespace {
FatalHandler g_handler = nullptr;

// A fixed table: nothing is allocated on the way out.
constexpr size_t kMaxCleanups = 4;
FatalCleanup g_cleanups[kMaxCleanups] = {};
bool g_cleaningUp = false;

void RunCleanups() {
  if (g_cleaningUp) return;
  g_cleaningUp = true;
  for (FatalCleanup cleanup : g_cleanups) {
    if (cleanup) cleanup();
  }
  g_cleaningUp = false;
}
}  // namespace

void SetFatalHandler(FatalHandler handler) { g_handler = handler; }

void AddFatalCleanup(FatalCleanup cleanup) {
  for (FatalCleanup& slot : g_cleanups) {
    if (slot == cleanup) return;
    if (!slot) {
      slot = cleanup;
      return;
    }
  }
}

std::string ComposeFatalText(const char* message, int32_t code) {
  std::string box = std::string(text::kFatalHead) + "\r\n\r\n";
  if (code != 0) box += text::kFatalCode + std::to_string(code) + "\r\n\r\n";
  if (message && *message) {
    box += text::kFatalMessage;
    box += message;
    box += "\r\n";
  }
  return box;
}

void FatalRuntimeError(const char* message, int32_t code) {
  RuntimeState& state = Runtime();
  ++state.suppressionCount;  // nothing is dispatched while the box is open
  state.exitRoutine = nullptr;
  std::string box = ComposeFatalText(message, code);
  RunCleanups();
  if (g_handler) g_handler(box);
  ShowFatalAndExit(box);
}

}  // namespace lizhi::rt
