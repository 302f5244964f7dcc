#include <gtest/gtest.h>
TEST(Toolchain, BuildsAndRuns) { EXPECT_EQ(1 + 1, 2); }
