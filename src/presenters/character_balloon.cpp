#include "presenters/character_balloon.h"

namespace lizhi::presenters {

BalloonAnchor BalloonAnchorFor(const tip::TipRect& character, const tip::TipRect& screen) {
  const int32_t centreX = character.left + character.width() / 2;
  const int32_t screenCentreX = screen.left + screen.width() / 2;
  // In the right half the balloon's body reaches leftwards: its anchor sits
  // near the end of its bottom edge.
  const bool rightHalf = centreX >= screenCentreX;
  const int32_t towards = character.width() / 6;
  BalloonAnchor a;
  a.point = {rightHalf ? centreX - towards : centreX + towards, character.top + character.height() / 5};
  a.placement = tip::kAnchorBottom | (rightHalf ? 1 : 0);
  return a;
}

}  // namespace lizhi::presenters
