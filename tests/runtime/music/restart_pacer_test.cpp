#include "runtime/music/restart_pacer.h"

#include <gtest/gtest.h>

namespace lizhi::music {
namespace {

TEST(RestartPacer, FillsShortCyclesAndGivesUpOnSilentFiles) {
  using Action = RestartPacer::Action;
  struct Cycle {
    int lastedMs;
    bool sound;
    Action action;
    int pauseMs;
  };
  // One pacer through a run of cycles, in order.
  const Cycle cycles[] = {
      {5000, true, Action::Next, 0},                                    // a played file goes on at once
      {1000, true, Action::Next, 0},   {300, true, Action::Next, 700},  // a short one waits out its second
      {0, false, Action::Retry, 1000}, {1500, false, Action::Retry, 2000},
      {0, false, Action::Retry, 4000}, {0, false, Action::GiveUp, 1000},  // the fourth silent end in a row
      {0, false, Action::Retry, 1000},                                    // the next file counts afresh
      {200, true, Action::Next, 800},                                     // sound clears the count
      {0, false, Action::Retry, 1000},
  };
  RestartPacer pacer;
  std::chrono::milliseconds now{100000};
  for (size_t i = 0; i < std::size(cycles); ++i) {
    const Cycle& c = cycles[i];
    const std::chrono::milliseconds started = now;
    now += std::chrono::milliseconds(c.lastedMs);
    const RestartPacer::Decision d = pacer.OnEnd(started, now, c.sound);
    EXPECT_EQ(d.action, c.action) << "cycle " << i;
    EXPECT_EQ(d.pause.count(), c.pauseMs) << "cycle " << i;
    now += d.pause;
  }
}

}  // namespace
}  // namespace lizhi::music
