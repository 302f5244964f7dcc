// Property indexes of the start-up window's units that the core reads and
// writes.
#pragma once
#include <cstdint>

#include "runtime/frame/property_indexes.h"

namespace lizhi::app::prop {

// The frame's: common to every unit with a window, and the window's own.
using rt::prop::kAlwaysOnTop;
using rt::prop::kHeight;
using rt::prop::kLeft;
using rt::prop::kTop;
using rt::prop::kVisible;
using rt::prop::kWidth;
using rt::prop::kWindowState;
constexpr int32_t kMaximised = rt::kWindowMaximised;
constexpr int32_t kNormalState = rt::kWindowNormal;
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
