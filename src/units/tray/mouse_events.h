// Which unit event a mouse message from the notification area fires.
#pragma once
#include <cstdint>
#include <optional>

namespace lizhi::tray {

enum TrayEvent : int32_t {
  kEventClick = 0,
  kEventDoubleClick = 1,
  kEventRightClick = 2,
  kEventMouseMove = 3,
};

struct TrayEventMapping {
  int32_t eventIndex;
  bool withCursor;  // the event carries the cursor's screen x and y
};

// The event for a mouse message (the low part of the callback's lParam);
// button presses and every other message fire nothing.
std::optional<TrayEventMapping> EventForMouseMessage(uint32_t mouseMessage);

}  // namespace lizhi::tray
