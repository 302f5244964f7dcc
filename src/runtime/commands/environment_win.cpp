#include <windows.h>

#include "runtime/commands/environment.h"

namespace lizhi::rt {

uint32_t TickCount() { return GetTickCount(); }
int32_t ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int32_t ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

ScreenPoint CursorPosition() {
  POINT p{};
  if (!GetCursorPos(&p)) return {};
  return {p.x, p.y};
}

}  // namespace lizhi::rt
