#include "runtime/core_units/timer_state.h"

namespace lizhi::rt {

TimerChange WriteInterval(TimerState& state, int32_t value, bool windowLive) {
  if (value < 0) value = 0;
  TimerChange change;
  if (value == state.interval) return change;
  state.interval = value;
  if (state.running) {
    change.kill = true;
    state.running = false;
  }
  if (value > 0 && windowLive) {
    change.set = true;
    state.running = true;
  }
  return change;
}

TimerChange TimerWindowCreated(TimerState& state) {
  TimerChange change;
  if (state.interval > 0 && !state.running) {
    change.set = true;
    state.running = true;
  }
  return change;
}

}  // namespace lizhi::rt
