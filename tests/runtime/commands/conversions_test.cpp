#include "runtime/commands/conversions.h"

#include <gtest/gtest.h>

#include "runtime/commands/command_call.h"
#include "runtime/commands/date_time.h"
#include "runtime/commands/gbk_from_utf8.h"

namespace lizhi {
namespace {

using test::Gbk;
using test::TakeText;

double ToNumber(const rt::TypedValue& v) { return rt::DoubleOf(rt::CallCommand("ToNumber", {v})); }
std::string ToText(const rt::TypedValue& v) { return TakeText(rt::CallCommand("ToText", {v})); }

TEST(CommandsConversions, ToNumberReadsFullWidthForms) {
  std::string fullWidth = Gbk("２．５");
  EXPECT_EQ(ToNumber(test::Text(fullWidth.c_str())), 2.5);
  std::string signed_ = Gbk("　－３ｅ２");  // ideographic space, minus, 3e2
  EXPECT_EQ(ToNumber(test::Text(signed_.c_str())), -300);
}

TEST(CommandsConversions, ToNumberFollowsAtofRules) {
  EXPECT_EQ(ToNumber(test::Text("abc")), 0);
  EXPECT_EQ(ToNumber(test::Text("")), 0);
  EXPECT_EQ(ToNumber(test::Text(" \t-1.5e3xyz")), -1500);
  EXPECT_EQ(ToNumber(test::Text("12abc")), 12);
  EXPECT_EQ(ToNumber(test::Text("1e")), 1);
  EXPECT_EQ(ToNumber(test::Text(".5")), 0.5);
  EXPECT_EQ(ToNumber(test::Text("-.")), 0);
  // Forms a C99 strtod would take but Windows' atof does not.
  EXPECT_EQ(ToNumber(test::Text("0x1A")), 0);
  EXPECT_EQ(ToNumber(test::Text("inf")), 0);
  EXPECT_EQ(ToNumber(test::Text("nan")), 0);
}

TEST(CommandsConversions, ToNumberOfOtherValues) {
  EXPECT_EQ(ToNumber(test::Bool(true)), 1);
  EXPECT_EQ(ToNumber(test::Int(-7)), -7);
  EXPECT_EQ(ToNumber(rt::TypedValue{0xFFFF, 0, rt::kTypeShort}), -1);
  EXPECT_EQ(ToNumber(rt::TypedValue{0x1FF, 0, rt::kTypeByte}), 255);
  EXPECT_EQ(ToNumber(rt::Make64(static_cast<uint64_t>(-5LL), rt::kTypeLong)), -5);
  EXPECT_EQ(ToNumber(rt::MakeFloat(0.25f)), 0.25);
  EXPECT_EQ(ToNumber(test::LeftOut()), 0);
}

TEST(CommandsConversions, ToTextFormatsByType) {
  EXPECT_EQ(ToText(test::Int(-42)), "-42");
  EXPECT_EQ(ToText(rt::TypedValue{200, 0, rt::kTypeByte}), "200");
  EXPECT_EQ(ToText(rt::Make64(1234567890123LL, rt::kTypeLong)), "1234567890123");
  EXPECT_EQ(ToText(rt::MakeFloat(0.1f)), "0.1");
  EXPECT_EQ(ToText(test::Double(1.0 / 3)), "0.3333333333333");
  EXPECT_EQ(ToText(test::Double(2)), "2");
  EXPECT_EQ(ToText(test::Bool(true)), Gbk("真"));
  EXPECT_EQ(ToText(test::Bool(false)), Gbk("假"));
  EXPECT_EQ(ToText(test::Text("abc")), "abc");
  test::BytesBlock bytes(std::string("hi\0there", 8));
  EXPECT_EQ(ToText(bytes.value()), "hi");
}

TEST(CommandsConversions, EmptyTextResultTravelsAsNoText) {
  rt::TypedValue r = rt::CallCommand("ToText", {test::Text("")});
  EXPECT_EQ(r.type, rt::kTypeText);
  EXPECT_EQ(rt::GetPointer<char>(r), nullptr);
}

TEST(CommandsConversions, ToTextOfAMidnightDateTimeShowsTheDateOnly) {
  // 2024-05-06 is day 45418 counted from 1899-12-30.
  EXPECT_EQ(ToText(rt::MakeDouble(45418, rt::kTypeDateTime)), Gbk("2024年5月6日"));
  EXPECT_EQ(ToText(rt::MakeDouble(45418 + 7.0 / 24, rt::kTypeDateTime)), Gbk("2024年5月6日7时"));
  EXPECT_EQ(ToText(rt::MakeDouble(45418 + (7 * 60 + 8) / 1440.0, rt::kTypeDateTime)), Gbk("2024年5月6日7时8分"));
  EXPECT_EQ(ToText(rt::MakeDouble(45418 + 9 / 86400.0, rt::kTypeDateTime)), Gbk("2024年5月6日0时0分9秒"));
}

TEST(CommandsConversions, DateTimesAtTheEdges) {
  EXPECT_EQ(rt::FormatDateTime(0), Gbk("1899年12月30日"));
  EXPECT_EQ(rt::FormatDateTime(-1.25), Gbk("1899年12月29日6时"));  // the fraction counts forward
  EXPECT_EQ(rt::FormatDateTime(60), Gbk("1900年2月28日"));
  EXPECT_EQ(rt::FormatDateTime(rt::kLatestDate), Gbk("9999年12月31日"));
  EXPECT_EQ(rt::FormatDateTime(rt::kEarliestDate), Gbk("100年1月1日"));
  EXPECT_EQ(rt::FormatDateTime(1e300), Gbk("9999年12月31日"));        // clamped, no overflow
  EXPECT_EQ(rt::FormatDateTime(45418.9999999), Gbk("2024年5月7日"));  // rounds into the next day
}

TEST(CommandsConversions, ToBytesInMachineOrder) {
  EXPECT_EQ(test::TakeBytes(rt::CallCommand("ToBytes", {test::Int(0x04030201)})), (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(test::TakeBytes(rt::CallCommand("ToBytes", {rt::TypedValue{0x0201, 0, rt::kTypeShort}})),
            (std::vector<uint8_t>{1, 2}));
  EXPECT_EQ(test::TakeBytes(rt::CallCommand("ToBytes", {test::Text("ab")})), (std::vector<uint8_t>{'a', 'b'}));
  EXPECT_EQ(test::TakeBytes(rt::CallCommand("ToBytes", {test::Double(1)})).size(), 8u);
  EXPECT_EQ(test::TakeBytes(rt::CallCommand("ToBytes", {test::Bool(true)})), (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST(CommandsConversions, ArraysOfNumbersGiveAllTheirElementBytes) {
  // One dimension of three shorts.
  struct {
    int32_t dims = 1, length = 3;
    int16_t items[3] = {0x0041, 0x0042, 0x0000};
  } array;
  EXPECT_EQ(test::TakeBytes(rt::CallCommand("ToBytes", {test::Ref(&array, rt::kTypeShort)})),
            (std::vector<uint8_t>{0x41, 0, 0x42, 0, 0, 0}));
  EXPECT_EQ(ToText(test::Ref(&array, rt::kTypeShort)), "A");  // up to the first zero byte

  struct {
    int32_t dims = 5000, length = 1;  // nonsense header
  } damaged;
  EXPECT_TRUE(test::TakeBytes(rt::CallCommand("ToBytes", {test::Ref(&damaged, rt::kTypeInt)})).empty());
}

}  // namespace
}  // namespace lizhi
