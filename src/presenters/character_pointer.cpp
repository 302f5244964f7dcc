#include "presenters/character_pointer.h"

#include <cstdlib>

namespace lizhi::presenters {

namespace {
PointerResult Do(PointerAction action, PointerPoint offset = {}, uint32_t delayMs = 0, bool release = false) {
  return {action, offset, delayMs, release};
}
}  // namespace

PointerResult CharacterPointer::LeftDown(uint32_t now, PointerPoint at) {
  pressed_ = true;
  dragging_ = false;
  pressedAt_ = at;
  secondPress_ = clickPending_ && now - firstDownAt_ <= doubleClickMs_;
  if (!secondPress_) {
    clickPending_ = false;
    firstDownAt_ = now;
  }
  return Do(PointerAction::kCapture);
}

PointerResult CharacterPointer::Move(PointerPoint at) {
  if (!pressed_) return {};
  const PointerPoint offset{at.x - pressedAt_.x, at.y - pressedAt_.y};
  if (!dragging_ && std::abs(offset.x) <= dragDistance_ && std::abs(offset.y) <= dragDistance_) return {};
  dragging_ = true;
  clickPending_ = secondPress_ = false;
  return Do(PointerAction::kDragTo, offset);
}

PointerResult CharacterPointer::LeftUp(uint32_t) {
  if (!pressed_) return {};
  pressed_ = false;
  if (dragging_) {
    dragging_ = false;
    return Do(PointerAction::kDragEnd, {}, 0, true);
  }
  if (secondPress_) {
    secondPress_ = clickPending_ = false;
    return Do(PointerAction::kDoubleClick, {}, 0, true);
  }
  clickPending_ = true;
  return Do(PointerAction::kStartClickTimer, {}, doubleClickMs_, true);
}

PointerResult CharacterPointer::RightUp() {
  clickPending_ = secondPress_ = false;
  return Do(PointerAction::kMenu);
}

PointerResult CharacterPointer::ClickTimerFired() {
  if (!clickPending_ || pressed_) return {};
  clickPending_ = false;
  return Do(PointerAction::kClick);
}

void CharacterPointer::CaptureLost() { pressed_ = dragging_ = secondPress_ = false; }

}  // namespace lizhi::presenters
