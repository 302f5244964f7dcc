// Property indexes of the start-up window's units that the core reads and
// writes.
#pragma once
#include <cstdint>

namespace lizhi::app::prop {

// Common to every unit with a window.
constexpr int32_t kLeft = 0;
constexpr int32_t kTop = 1;
constexpr int32_t kWidth = 2;
constexpr int32_t kHeight = 3;
constexpr int32_t kVisible = 5;
// The window's own.
constexpr int32_t kWindowState = 18;
constexpr int32_t kAlwaysOnTop = 29;
constexpr int32_t kMaximised = 3;
constexpr int32_t kNormalState = 0;
// Timer, label.
constexpr int32_t kInterval = 8;
constexpr int32_t kCaption = 8;
constexpr int32_t kLabelFontDpi = 9;  // the DPI the label's font is made for
// Tray icon.
constexpr int32_t kIcon = 8;
constexpr int32_t kTipText = 9;
constexpr int32_t kIconScreenX = 16;
constexpr int32_t kIconScreenY = 17;
// Balloon tip box.
constexpr int32_t kAutoHideDelay = 61;
// Common dialog.
constexpr int32_t kDialogKind = 8;
constexpr int32_t kDialogTitle = 9;
constexpr int32_t kDialogFileName = 10;
constexpr int32_t kDialogFilter = 11;
constexpr int32_t kDialogInitialDirectory = 13;
constexpr int32_t kDialogOpen = 0;
constexpr int32_t kDialogFont = 2;

constexpr int32_t kStripHeight = 24;
constexpr int32_t kFollowIntervalMs = 100;
constexpr int32_t kPixelsPerByte = 10;
constexpr int32_t kCursorGap = 20;
// The label inside the strip, from the window template, at 96 dpi.
constexpr int32_t kLabelLeft = 4;
constexpr int32_t kLabelTop = 2;
constexpr int32_t kLabelWidth = 1200;
constexpr int32_t kLabelHeight = 18;

}  // namespace lizhi::app::prop
