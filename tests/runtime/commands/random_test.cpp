#include "runtime/commands/random.h"

#include <gtest/gtest.h>

#include <set>

#include "runtime/commands/command_call.h"
#include "runtime/commands/stand_ins_native.h"

namespace lizhi {
namespace {

using test::Int;

int32_t Draw(rt::TypedValue a, rt::TypedValue b) { return rt::IntOf(rt::CallCommand("RandomNumber", {a, b})); }

TEST(CommandsRandom, BoundsInEitherOrder) {
  rt::SeedRandom(7);
  std::set<int32_t> seen;
  for (int i = 0; i < 500; ++i) {
    int32_t n = Draw(Int(5), Int(1));
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 5);
    seen.insert(n);
  }
  EXPECT_EQ(seen.size(), 5u);
}

TEST(CommandsRandom, EqualBoundsGiveThatValue) {
  for (int i = 0; i < 20; ++i) EXPECT_EQ(Draw(Int(3), Int(3)), 3);
}

TEST(CommandsRandom, NegativeBoundsCountAsZero) {
  std::set<int32_t> seen;
  for (int i = 0; i < 300; ++i) seen.insert(Draw(Int(-4), Int(2)));
  EXPECT_EQ(seen, (std::set<int32_t>{0, 1, 2}));
}

TEST(CommandsRandom, DefaultsDrawFromZeroUpToTheGeneratorsRange) {
  for (int i = 0; i < 200; ++i) {
    int32_t n = rt::IntOf(rt::CallCommand("RandomNumber", {}));
    ASSERT_GE(n, 0);
    ASSERT_LE(n, 32767);
  }
}

TEST(CommandsRandom, SameSequenceAsMicrosoftsCLibrary) {
  rt::CallCommand("SeedRandom", {Int(1)});
  EXPECT_EQ(rt::NextRandom(), 41);
  EXPECT_EQ(rt::NextRandom(), 18467);
  EXPECT_EQ(rt::NextRandom(), 6334);
}

TEST(CommandsRandom, SeedingTwiceInTheSameMillisecondGivesDifferentSequences) {
  rt::native::SetTickCount(1000);
  rt::CallCommand("SeedRandom", {});
  int32_t first = rt::NextRandom();
  rt::CallCommand("SeedRandom", {});
  int32_t second = rt::NextRandom();
  rt::native::SetTickCount(std::nullopt);
  EXPECT_NE(first, second);
}

}  // namespace
}  // namespace lizhi
