#include <gtest/gtest.h>

#include "runtime/commands/command_call.h"
#include "runtime/commands/gbk_from_utf8.h"

namespace lizhi {
namespace {

// The Windows C library formats and parses numbers its own way; the commands
// must give the same texts and numbers as in every other build.
std::string ToText(const rt::TypedValue& v) { return test::TakeText(rt::CallCommand("ToText", {v})); }
double ToNumber(const char* text) { return rt::DoubleOf(rt::CallCommand("ToNumber", {test::Text(text)})); }

TEST(CommandsConversionsWin, NumbersFormatAsInEveryBuild) {
  EXPECT_EQ(ToText(test::Double(1.0 / 3)), "0.3333333333333");
  EXPECT_EQ(ToText(test::Double(1e20)), "1e+20");
  EXPECT_EQ(ToText(rt::MakeFloat(0.1f)), "0.1");
  EXPECT_EQ(ToText(rt::Make64(static_cast<uint64_t>(-1234567890123LL), rt::kTypeLong)), "-1234567890123");
  EXPECT_EQ(ToText(rt::MakeDouble(45418 + 9 / 86400.0, rt::kTypeDateTime)), test::Gbk("2024年5月6日0时0分9秒"));
}

TEST(CommandsConversionsWin, TextsParseAsInEveryBuild) {
  EXPECT_EQ(ToNumber(" -1.5e3xyz"), -1500);
  EXPECT_EQ(ToNumber("0x1A"), 0);
  EXPECT_EQ(ToNumber("inf"), 0);
  EXPECT_EQ(ToNumber(test::Gbk("２．５").c_str()), 2.5);
  EXPECT_EQ(ToNumber("0.1"), 0.1);
}

}  // namespace
}  // namespace lizhi
