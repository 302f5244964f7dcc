#include <gtest/gtest.h>

#include <cstring>

#include "runtime/commands/command_call.h"
#include "runtime/commands/gbk_from_utf8.h"
#include "support/fatal_trap.h"

namespace lizhi {
namespace {

using test::BytesBlock;
using test::Int;
using test::TakeBytes;

std::vector<uint8_t> B(std::initializer_list<uint8_t> bytes) { return bytes; }

TEST(CommandsBytes, CuttingAndFinding) {
  BytesBlock bytes(std::string("\x01\x02\x03\x04\x05", 5));
  EXPECT_EQ(rt::IntOf(rt::CallCommand("BytesLength", {bytes.value()})), 5);
  EXPECT_EQ(rt::IntOf(rt::CallCommand("BytesLength", {rt::MakeBytesValue(nullptr)})), 0);
  EXPECT_EQ(TakeBytes(rt::CallCommand("RightBytes", {bytes.value(), Int(2)})), B({4, 5}));
  EXPECT_EQ(TakeBytes(rt::CallCommand("RightBytes", {bytes.value(), Int(99)})).size(), 5u);
  EXPECT_EQ(TakeBytes(rt::CallCommand("RightBytes", {bytes.value(), Int(-1)})).size(), 0u);
  EXPECT_EQ(TakeBytes(rt::CallCommand("MidBytes", {bytes.value(), Int(2), Int(2)})), B({2, 3}));
  EXPECT_EQ(TakeBytes(rt::CallCommand("MidBytes", {bytes.value(), Int(-3), Int(2)})), B({1, 2}));
  EXPECT_EQ(TakeBytes(rt::CallCommand("MidBytes", {bytes.value(), Int(4), Int(50)})), B({4, 5}));
  EXPECT_EQ(TakeBytes(rt::CallCommand("MidBytes", {bytes.value(), Int(9), Int(2)})).size(), 0u);
  EXPECT_EQ(TakeBytes(rt::CallCommand("MidBytes", {bytes.value(), Int(1), Int(-2)})).size(), 0u);

  BytesBlock pattern(std::string("\x03\x04", 2));
  BytesBlock none("");
  EXPECT_EQ(rt::IntOf(rt::CallCommand("FindBytes", {bytes.value(), pattern.value()})), 3);
  EXPECT_EQ(rt::IntOf(rt::CallCommand("FindBytes", {bytes.value(), pattern.value(), Int(4)})), -1);
  EXPECT_EQ(rt::IntOf(rt::CallCommand("FindBytes", {bytes.value(), none.value()})), -1);
}

TEST(CommandsBytes, BlankBytes) {
  EXPECT_EQ(TakeBytes(rt::CallCommand("BlankBytes", {Int(3)})), B({0, 0, 0}));
  rt::TypedValue none = rt::CallCommand("BlankBytes", {Int(-2)});
  EXPECT_EQ(none.type, rt::kTypeBytes);
  EXPECT_EQ(rt::GetPointer<void>(none), nullptr);
}

TEST(CommandsBytes, GetBytesDataReadsEachKind) {
  BytesBlock bytes(std::string("\xFE\xFF\x01\x00\x00\x00", 6));
  auto read = [&](int32_t kind, int32_t position) {
    return rt::CallCommand("GetBytesData", {bytes.value(), Int(kind), Int(position)});
  };
  EXPECT_EQ(read(1, 1).low, 0xFEu);
  EXPECT_EQ(rt::IntOf(read(2, 1)), -2);
  EXPECT_EQ(read(2, 1).type, rt::kTypeShort);
  EXPECT_EQ(rt::IntOf(read(3, 3)), 1);
  EXPECT_EQ(rt::IntOf(read(3, 5)), 0);  // missing bytes read as zero
  EXPECT_EQ(read(7, 3).low, 1u);
  EXPECT_EQ(read(7, 3).type, rt::kTypeLogical);
  EXPECT_EQ(read(9, 3).type, rt::kTypeSubroutine);
}

TEST(CommandsBytes, GetBytesDataMovesThePositionVariable) {
  std::string raw(
      "\x02\x00\x00\x00"
      "ab\0"
      "c",
      8);
  BytesBlock bytes(raw);
  int32_t position = 1;
  rt::TypedValue first = rt::CallCommand("GetBytesData", {bytes.value(), Int(3), test::Ref(&position, rt::kTypeInt)});
  EXPECT_EQ(rt::IntOf(first), 2);
  EXPECT_EQ(position, 5);
  EXPECT_EQ(
      test::TakeText(rt::CallCommand("GetBytesData", {bytes.value(), Int(10), test::Ref(&position, rt::kTypeInt)})),
      "ab");
  EXPECT_EQ(position, 8);
  // The last text has no terminator: reading it passes the end.
  EXPECT_EQ(
      test::TakeText(rt::CallCommand("GetBytesData", {bytes.value(), Int(10), test::Ref(&position, rt::kTypeInt)})),
      "c");
  EXPECT_EQ(position, -1);
  // Nothing more comes from a position of -1.
  EXPECT_EQ(rt::IntOf(rt::CallCommand("GetBytesData", {bytes.value(), Int(3), test::Ref(&position, rt::kTypeInt)})), 0);
  EXPECT_EQ(position, -1);

  int32_t nearEnd = 6;
  rt::CallCommand("GetBytesData", {bytes.value(), Int(3), test::Ref(&nearEnd, rt::kTypeInt)});
  EXPECT_EQ(nearEnd, -1);
}

TEST(CommandsBytes, GetBytesDataClampsDateTimes) {
  double huge = 1e20;
  BytesBlock bytes(std::string(reinterpret_cast<const char*>(&huge), 8));
  rt::TypedValue v = rt::CallCommand("GetBytesData", {bytes.value(), Int(8)});
  EXPECT_EQ(v.type, rt::kTypeDateTime);
  EXPECT_EQ(rt::DoubleOf(v), 2958465);
}

TEST(CommandsBytes, GetBytesDataWithAnUnknownKindIsFatal) {
  BytesBlock bytes("abcd");
  for (int32_t kind : {0, 11, -1}) {
    std::string text = test::FatalTextOf([&] { rt::CallCommand("GetBytesData", {bytes.value(), Int(kind)}); });
    EXPECT_NE(text.find(test::Gbk("“欲取出数据的类型”参数值无效")), std::string::npos) << kind;
  }
}

}  // namespace
}  // namespace lizhi
