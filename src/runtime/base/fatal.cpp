#include "runtime/base/fatal.h"

#include <cstddef>
#include <cstdio>

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

size_t ComposeFatalText(const char* message, int32_t code, char* out, size_t capacity) {
  if (!out || capacity == 0) return 0;
  size_t length = 0;
  auto append = [&](const char* piece) {
    while (*piece && length + 1 < capacity) out[length++] = *piece++;
  };
  append(text::kFatalHead);
  append("\r\n\r\n");
  if (code != 0) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(code));
    append(text::kFatalCode);
    append(digits);
    append("\r\n\r\n");
  }
  if (message && *message) {
    append(text::kFatalMessage);
    append(message);
    append("\r\n");
  }
  out[length] = '\0';
  return length;
}

void FatalRuntimeError(const char* message, int32_t code) {
  RuntimeState& state = Runtime();
  ++state.suppressionCount;  // nothing is dispatched while the box is open
  state.exitRoutine = nullptr;
  static char box[kFatalTextCapacity];
  ComposeFatalText(message, code, box, sizeof box);
  RunCleanups();
  if (g_handler) g_handler(box);
  ShowFatalAndExit(box);
}

}  // namespace lizhi::rt
