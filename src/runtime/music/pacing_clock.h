// Time as the player's restart pacing sees it: the steady clock, or a fake in
// tests that records each pause instead of waiting it out.
#pragma once
#include <chrono>

namespace lizhi::music {

class PacingClock {
 public:
  virtual ~PacingClock() = default;
  virtual std::chrono::milliseconds Now() = 0;
  // How long to really wait for a pause of `pause`: the pause itself; a fake
  // clock moves its own time on instead and answers 0.
  virtual std::chrono::milliseconds Wait(std::chrono::milliseconds pause) = 0;
};

// The clock for the whole process.
PacingClock& CurrentPacingClock();
// Installs `clock` (null: the steady clock); returns the one it replaces.
// The clock must outlive every player that runs while it is installed.
PacingClock* SetPacingClock(PacingClock* clock);

}  // namespace lizhi::music
