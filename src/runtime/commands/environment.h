// What the commands read from the system: time, screen and cursor.
#pragma once
#include <cstdint>

namespace lizhi::rt {

uint32_t TickCount();  // milliseconds since the system started
int32_t ScreenWidth();
int32_t ScreenHeight();
struct ScreenPoint {
  int32_t x = 0, y = 0;
};
ScreenPoint CursorPosition();  // screen coordinates

}  // namespace lizhi::rt
