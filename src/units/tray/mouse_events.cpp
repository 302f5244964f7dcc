#include "units/tray/mouse_events.h"

namespace lizhi::tray {

namespace {

struct Row {
  uint32_t message;
  TrayEventMapping mapping;
};

constexpr Row kEventTable[] = {
    {0x0202, {kEventClick, false}},        // WM_LBUTTONUP
    {0x0203, {kEventDoubleClick, false}},  // WM_LBUTTONDBLCLK
    {0x0205, {kEventRightClick, false}},   // WM_RBUTTONUP
    {0x0200, {kEventMouseMove, true}},     // WM_MOUSEMOVE
};

}  // namespace

std::optional<TrayEventMapping> EventForMouseMessage(uint32_t mouseMessage) {
  for (const Row& row : kEventTable) {
    if (row.message == mouseMessage) return row.mapping;
  }
  return std::nullopt;
}

}  // namespace lizhi::tray
