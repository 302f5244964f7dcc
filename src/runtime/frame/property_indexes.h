// The property indexes the frame answers itself: 0..7 common to every unit with a
// window, and the window's own display state and topmost flag. A unit type's own
// properties start at kOwnBase (its own index is the index less kOwnBase).
#pragma once
#include <cstdint>

namespace lizhi::rt {

namespace prop {
constexpr int32_t kLeft = 0;
constexpr int32_t kTop = 1;
constexpr int32_t kWidth = 2;
constexpr int32_t kHeight = 3;
constexpr int32_t kTag = 4;
constexpr int32_t kVisible = 5;
constexpr int32_t kDisabled = 6;
constexpr int32_t kCursor = 7;
constexpr int32_t kOwnBase = 8;
// The window's own.
constexpr int32_t kWindowState = 18;
constexpr int32_t kAlwaysOnTop = 29;
}  // namespace prop

// Values of the window state property.
enum WindowState : int32_t {
  kWindowNormal = 0,
  kWindowCentred = 1,
  kWindowMinimised = 2,
  kWindowMaximised = 3,
};

}  // namespace lizhi::rt
