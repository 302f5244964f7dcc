// A pacing clock for tests: time stands still unless a pause moves it on, and
// every pause the player asks for is recorded instead of waited out.
#pragma once
#include <chrono>
#include <mutex>
#include <vector>

#include "runtime/music/pacing_clock.h"

namespace lizhi::music::test {

class FakePacingClock final : public PacingClock {
 public:
  FakePacingClock() : previous_(SetPacingClock(this)) {}
  ~FakePacingClock() override { SetPacingClock(previous_); }
  FakePacingClock(const FakePacingClock&) = delete;
  FakePacingClock& operator=(const FakePacingClock&) = delete;

  std::chrono::milliseconds Now() override {
    std::lock_guard lock(mutex_);
    return now_;
  }
  std::chrono::milliseconds Wait(std::chrono::milliseconds pause) override {
    std::lock_guard lock(mutex_);
    now_ += pause;
    pauses_.push_back(static_cast<int>(pause.count()));
    return std::chrono::milliseconds{0};
  }
  // Pauses in milliseconds, in order.
  std::vector<int> pauses() const {
    std::lock_guard lock(mutex_);
    return pauses_;
  }

 private:
  mutable std::mutex mutex_;
  std::chrono::milliseconds now_{0};
  std::vector<int> pauses_;
  PacingClock* previous_;
};

}  // namespace lizhi::music::test
