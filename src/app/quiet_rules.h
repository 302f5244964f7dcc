// When a display tick shows nothing: over full-screen work, in Do Not Disturb,
// while paused, and while the user is away from mouse and keyboard.
#pragma once
#include <cstdint>
#include <string_view>

#include "app/full_screen.h"

namespace lizhi::app {

enum class TickQuiet {
  kShow,
  kAway,       // nothing new is shown; what shows stays (the character does not speak)
  kStepAside,  // nothing of lizhi shows: the strip, balloon and character come down
};

// `awayMinutes` 0 turns the away rule off.
TickQuiet QuietRule(const AttentionFacts& facts, int32_t awayMinutes, bool paused);

// The stored "away" minutes: decimal digits, else 0.
int32_t AwayMinutes(std::string_view stored);

}  // namespace lizhi::app
