#include <chrono>

#include "runtime/commands/environment.h"
#include "runtime/commands/stand_ins_native.h"

namespace lizhi::rt {

namespace {
std::optional<uint32_t> g_fixedTicks;
}

void native::SetTickCount(std::optional<uint32_t> ticks) { g_fixedTicks = ticks; }

uint32_t TickCount() {
  if (g_fixedTicks) return *g_fixedTicks;
  auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

int32_t ScreenWidth() { return 1024; }
int32_t ScreenHeight() { return 768; }
ScreenPoint CursorPosition() { return {}; }

}  // namespace lizhi::rt
