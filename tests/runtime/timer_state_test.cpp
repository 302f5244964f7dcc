#include "runtime/core_units/timer_state.h"

#include <gtest/gtest.h>

namespace lizhi {
namespace {

TEST(TimerInterval, UnchangedValueKeepsTheRunningPeriod) {
  rt::TimerState t;
  rt::TimerChange c = rt::WriteInterval(t, 2000, true);
  EXPECT_TRUE(c.set);
  EXPECT_FALSE(c.kill);
  c = rt::WriteInterval(t, 2000, true);
  EXPECT_FALSE(c.set) << "writing the same interval must not restart the period";
  EXPECT_FALSE(c.kill);
  EXPECT_TRUE(t.running);
}

TEST(TimerInterval, ZeroOrNegativeStops) {
  rt::TimerState t;
  rt::WriteInterval(t, 500, true);
  rt::TimerChange c = rt::WriteInterval(t, -3, true);
  EXPECT_TRUE(c.kill);
  EXPECT_FALSE(c.set);
  EXPECT_FALSE(t.running);
  EXPECT_EQ(t.interval, 0);
  c = rt::WriteInterval(t, 0, true);
  EXPECT_FALSE(c.kill) << "already stopped";
}

TEST(TimerInterval, ChangedValueRestartsAndWaitsForTheWindow) {
  rt::TimerState t;
  rt::WriteInterval(t, 500, true);
  rt::TimerChange c = rt::WriteInterval(t, 700, true);
  EXPECT_TRUE(c.kill);
  EXPECT_TRUE(c.set);
  rt::TimerState early;
  c = rt::WriteInterval(early, 100, false);
  EXPECT_FALSE(c.set) << "no window yet";
  c = rt::TimerWindowCreated(early);
  EXPECT_TRUE(c.set);
  EXPECT_FALSE(rt::TimerWindowCreated(early).set) << "already running";
}

}  // namespace
}  // namespace lizhi
