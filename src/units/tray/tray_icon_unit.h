// The TrayIcon unit: one icon with a tip in the notification area, its mouse
// actions as unit events, its return after a taskbar restart, and the screen
// position of its icon.
//
// Own properties: 8 Icon (icon file bytes), 9 TipText, 10 ShowInTray,
// 16 IconScreenX and 17 IconScreenY (read only, a fresh probe on every read).
// Events: 0 Click, 1 DoubleClick, 2 RightClick, 3 MouseMove (cursor x, y).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/frame/unit_type.h"

namespace lizhi::tray {

const rt::UnitType& TrayIconUnitType();

enum TrayIconProperty : int32_t {
  kOwnIcon = 0,
  kOwnTipText = 1,
  kOwnShowInTray = 2,
  kOwnIconScreenX = 8,
  kOwnIconScreenY = 9,
};

constexpr uint32_t kTrayCallbackMessage = 0x8064;  // WM_APP + 0x64

// What a unit holds right now, for diagnostics and tests.
struct TrayIconState {
  void* window = nullptr;         // HWND: the notification owner and the icon's identifier
  void* icon = nullptr;           // HICON, null when none
  bool added = false;             // in the notification area
  bool locatorHasRecord = false;  // the locator was told the icon's identity
  bool showInTray = false;
  size_t iconBytes = 0;
  std::string tip;  // as written to the notification record
};
TrayIconState CurrentTrayIconState(const void* unit);

}  // namespace lizhi::tray
