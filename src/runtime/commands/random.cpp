#include "runtime/commands/random.h"

#include <utility>

namespace lizhi::rt {

namespace {
struct RandomState {
  uint32_t seed = 1;
  uint32_t tickCounter = 0;
};
RandomState& State() {
  static RandomState state;
  return state;
}
}  // namespace

void SeedRandom(uint32_t seed) { State().seed = seed; }

void SeedRandomFromTicks(uint32_t tickCount) {
  RandomState& s = State();
  uint32_t seed = tickCount + s.tickCounter;
  s.tickCounter += ((tickCount + s.tickCounter) & 0xFF) + 100;
  s.seed = seed;
}

int32_t NextRandom() {
  // The linear congruential generator of Microsoft's C library.
  uint32_t& seed = State().seed;
  seed = seed * 214013u + 2531011u;
  return static_cast<int32_t>((seed >> 16) & 0x7FFF);
}

int32_t RandomNumber(int32_t minimum, int32_t maximum) {
  if (minimum < 0) minimum = 0;
  if (maximum < 0) maximum = 0;
  if (minimum > maximum) std::swap(minimum, maximum);
  if (minimum == maximum) return minimum;
  int64_t span = static_cast<int64_t>(maximum) - minimum;
  if (span == 2147483647) span = 2147483646;
  return minimum + static_cast<int32_t>(NextRandom() % (span + 1));
}

}  // namespace lizhi::rt
