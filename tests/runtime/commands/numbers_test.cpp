#include <gtest/gtest.h>

#include <cmath>

#include "runtime/commands/command_call.h"
#include "runtime/commands/gbk_from_utf8.h"
#include "support/fatal_trap.h"

namespace lizhi {
namespace {

using test::Double;
using test::Int;

double DoubleResult(const char* name, std::initializer_list<rt::TypedValue> args) {
  rt::TypedValue r = rt::CallCommand(name, args);
  EXPECT_EQ(r.type, rt::kTypeDouble) << name;
  return rt::DoubleOf(r);
}
int32_t IntResult(const char* name, std::initializer_list<rt::TypedValue> args) {
  rt::TypedValue r = rt::CallCommand(name, args);
  EXPECT_EQ(r.type, rt::kTypeInt) << name;
  return rt::IntOf(r);
}

TEST(CommandsNumbers, IntDivideTruncatesTowardZeroAfterEachDivisor) {
  EXPECT_EQ(DoubleResult("IntDivide", {Double(7), Double(2)}), 3);
  EXPECT_EQ(DoubleResult("IntDivide", {Double(-7), Double(2)}), -3);
  EXPECT_EQ(DoubleResult("IntDivide", {Double(100), Double(3), Double(2)}), 16);  // 33, then 16
  EXPECT_EQ(DoubleResult("IntDivide", {Int(9), Int(2)}), 4);                      // integers are taken as numbers too
}

TEST(CommandsNumbers, RemainderKeepsTheSignOfTheDividend) {
  EXPECT_EQ(DoubleResult("Remainder", {Double(-7), Double(3)}), -1);
  EXPECT_EQ(DoubleResult("Remainder", {Double(7.5), Double(2)}), 1.5);
  EXPECT_EQ(DoubleResult("Remainder", {Double(100), Double(30), Double(7)}), 3);  // 10, then 3
}

TEST(CommandsNumbers, DivisionByZeroIsFatalWithItsOwnMessage) {
  std::string divide = test::FatalTextOf([] { rt::CallCommand("IntDivide", {Double(1), Double(0)}); });
  EXPECT_NE(divide.find(test::Gbk("不能整除于零")), std::string::npos);
  std::string remainder = test::FatalTextOf([] { rt::CallCommand("Remainder", {Double(1), Double(2), Double(0)}); });
  EXPECT_NE(remainder.find(test::Gbk("不能求余数于零")), std::string::npos);
}

TEST(CommandsNumbers, RoundNumberRoundsHalfAwayFromZero) {
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(2.5)}), 3);
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(-2.5)}), -3);
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(2.4999)}), 2);
  EXPECT_DOUBLE_EQ(DoubleResult("RoundNumber", {Double(1.005), Int(2)}), 1.01);  // stored as 1.00499999...
  EXPECT_DOUBLE_EQ(DoubleResult("RoundNumber", {Double(-3.14159), Int(3)}), -3.142);
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(1250), Int(-2)}), 1300);
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(1249), Int(-2)}), 1200);
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(0), Int(5)}), 0);
}

TEST(CommandsNumbers, RoundNumberWithExtremePlacesGivesANumber) {
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(1.5), Int(400)}), 1.5);
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(1e300), Int(20)}), 1e300);
  EXPECT_EQ(DoubleResult("RoundNumber", {Double(12345), Int(-400)}), 0);
  EXPECT_FALSE(std::isnan(DoubleResult("RoundNumber", {Double(7), Int(-308)})));
}

TEST(CommandsNumbers, AbsValue) { EXPECT_EQ(DoubleResult("AbsValue", {Double(-2.5)}), 2.5); }

TEST(CommandsNumbers, BitsAndShifts) {
  EXPECT_EQ(IntResult("BitAnd", {Int(0xFF), Int(0x3C), Int(0x0F)}), 0x0C);
  EXPECT_EQ(IntResult("BitOr", {Int(1), Int(2), Int(8)}), 11);
  EXPECT_EQ(IntResult("ShiftLeft", {Int(1), Int(33)}), 2);  // the count is taken & 31
  EXPECT_EQ(IntResult("ShiftLeft", {Int(1), Int(31)}), INT32_MIN);
  EXPECT_EQ(IntResult("ShiftRight", {Int(-8), Int(1)}), -4);  // the sign is copied
  EXPECT_EQ(IntResult("ShiftRight", {Int(INT32_MIN), Int(31)}), -1);
  EXPECT_EQ(IntResult("RgbColor", {Int(0x11), Int(0x22), Int(0x33)}), 0x00332211);
  EXPECT_EQ(IntResult("RgbColor", {Int(255), Int(255), Int(255)}), 0x00FFFFFF);
}

}  // namespace
}  // namespace lizhi
