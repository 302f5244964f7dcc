// The Timer unit's interval rules, apart from the Windows timer itself.
#pragma once
#include <cstdint>

namespace lizhi::rt {

struct TimerState {
  int32_t interval = 0;
  bool running = false;
};

struct TimerChange {
  bool kill = false;  // kill the running Windows timer
  bool set = false;   // set it again with the state's interval
};

// Writing the interval: a negative value counts as 0; an unchanged value does
// nothing (a running timer keeps its period); 0 stops; above 0 (re)starts when
// the unit's window exists.
TimerChange WriteInterval(TimerState& state, int32_t value, bool windowLive);
// The window was created: start when the interval is above 0.
TimerChange TimerWindowCreated(TimerState& state);

}  // namespace lizhi::rt
