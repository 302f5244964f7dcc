#include "runtime/music/pacing_clock.h"

#include <atomic>

namespace lizhi::music {
namespace {

class SteadyPacingClock final : public PacingClock {
 public:
  std::chrono::milliseconds Now() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  }
  std::chrono::milliseconds Wait(std::chrono::milliseconds pause) override { return pause; }
};

SteadyPacingClock g_steady;
std::atomic<PacingClock*> g_clock{nullptr};

}  // namespace

PacingClock& CurrentPacingClock() {
  PacingClock* clock = g_clock.load();
  return clock != nullptr ? *clock : g_steady;
}

PacingClock* SetPacingClock(PacingClock* clock) { return g_clock.exchange(clock); }

}  // namespace lizhi::music
