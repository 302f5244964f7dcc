#include "presenters/delay.h"

#include <gtest/gtest.h>

#include <limits>

#include "presenters/delay_rules.h"

namespace lizhi::presenters {
namespace {

TEST(DelayRules, DueTimeIsRelativeInHundredNanoseconds) {
  EXPECT_EQ(RelativeDueTime(10), -100);
  EXPECT_EQ(RelativeDueTime(0), 0);
  EXPECT_EQ(RelativeDueTime(1000000), -10000000);
  EXPECT_EQ(RelativeDueTime(std::numeric_limits<int32_t>::max()), -21474836470LL);
}

TEST(TimedBoxRules, ResultIsTheButtonIdMinusOne) {
  EXPECT_EQ(BoxResult(1), 0);  // IDOK
  EXPECT_EQ(BoxResult(2), 1);  // IDCANCEL
  EXPECT_EQ(BoxResult(7), 6);  // IDNO
  EXPECT_EQ(BoxResult(kBoxTimeoutCode), kBoxTimedOut);
  EXPECT_EQ(BoxResult(0), -1);  // the box could not be shown
  EXPECT_EQ(BoxResult(std::numeric_limits<int32_t>::min()), std::numeric_limits<int32_t>::max());
}

}  // namespace
}  // namespace lizhi::presenters
