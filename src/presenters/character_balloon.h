// Where our own character's speech balloon points: at the character's head,
// with its body on the side of the screen that has room (the tip engine flips
// it further where it would leave the screen).
#pragma once
#include <cstdint>

#include "units/tip/tip_layout.h"

namespace lizhi::presenters {

struct BalloonAnchor {
  tip::TipPoint point;  // screen point the balloon's anchor touches
  int32_t placement = tip::kAnchorBottom;
  bool operator==(const BalloonAnchor&) const = default;
};

// `character` is the character's window on the screen; the head is a fifth of
// the way down and a little off the centre, towards the balloon.
BalloonAnchor BalloonAnchorFor(const tip::TipRect& character, const tip::TipRect& screen);

}  // namespace lizhi::presenters
