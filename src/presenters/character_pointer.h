// What the mouse does to our own character, free of windows. A left click
// becomes a Click only once the double-click time has passed without a second
// one (the tray menu it opens is modal and would swallow the second click); a
// second click in time is a DoubleClick; a right click asks for the menu at
// once; pressing and moving past the drag distance drags and opens nothing.
#pragma once
#include <cstdint>

namespace lizhi::presenters {

struct PointerPoint {
  int32_t x = 0, y = 0;  // screen coordinates
  bool operator==(const PointerPoint&) const = default;
};

enum class PointerAction {
  kNone,
  kCapture,          // keep the mouse until the button is up
  kDragTo,           // move the character by `offset` from where the drag began
  kDragEnd,          // release the mouse
  kStartClickTimer,  // call ClickTimerFired after `delayMs`
  kClick,
  kDoubleClick,
  kMenu,
};

struct PointerResult {
  PointerAction action = PointerAction::kNone;
  PointerPoint offset;   // kDragTo
  uint32_t delayMs = 0;  // kStartClickTimer
  bool releaseCapture = false;
  bool operator==(const PointerResult&) const = default;
};

class CharacterPointer {
 public:
  CharacterPointer(int32_t dragDistance, uint32_t doubleClickMs)
      : dragDistance_(dragDistance), doubleClickMs_(doubleClickMs) {}

  PointerResult LeftDown(uint32_t now, PointerPoint at);
  PointerResult Move(PointerPoint at);
  PointerResult LeftUp(uint32_t now);
  PointerResult RightUp();
  PointerResult ClickTimerFired();
  // The mouse was taken away (another window captured it).
  void CaptureLost();

  bool dragging() const { return dragging_; }

 private:
  int32_t dragDistance_;
  uint32_t doubleClickMs_;
  bool pressed_ = false;
  bool dragging_ = false;
  bool clickPending_ = false;  // a first click waits for the double-click time
  bool secondPress_ = false;
  uint32_t firstDownAt_ = 0;
  PointerPoint pressedAt_;
};

}  // namespace lizhi::presenters
