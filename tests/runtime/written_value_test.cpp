#include "runtime/base/written_value.h"

#include <gtest/gtest.h>

#include <vector>

#include "runtime/base/memory.h"

namespace lizhi {
namespace {

// A property write reads a text or a byte array only from a value of that kind;
// the words of any other value (here one that would point nowhere) are not read.
TEST(WrittenValue, OnlyAValueOfTheRightKindIsRead) {
  const uint8_t bytes[] = {1, 2, 3};
  void* block = rt::MakeByteArray(bytes, sizeof bytes);
  const char* text = "caption";
  constexpr uint32_t kNowhere = 0x10;
  struct Case {
    rt::TypedValue value;
    std::optional<std::string> text;
    std::optional<std::vector<uint8_t>> bytes;
  };
  const Case cases[] = {
      {rt::MakeTextValue(text), "caption", std::nullopt},
      {rt::MakeTextValue(nullptr), "", std::nullopt},
      {rt::MakeBytesValue(block), std::nullopt, std::vector<uint8_t>{1, 2, 3}},
      {rt::MakeBytesValue(nullptr), std::nullopt, std::vector<uint8_t>{}},
      {rt::MakeInt(kNowhere), std::nullopt, std::nullopt},
      {rt::MakeLogical(true), std::nullopt, std::nullopt},
      {rt::MakeDouble(1.0), std::nullopt, std::nullopt},
      {{kNowhere, 0, rt::kTypeText | rt::kByRefFlag}, std::nullopt, std::nullopt},
      {{kNowhere, 0, rt::kTypeBytes | rt::kByRefFlag}, std::nullopt, std::nullopt},
      {{kNowhere, 0, rt::kTypeNone}, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    auto readText = rt::WrittenText(c.value);
    auto readBytes = rt::WrittenBytes(c.value);
    EXPECT_EQ(readText ? std::optional<std::string>(*readText) : std::nullopt, c.text) << std::hex << c.value.type;
    EXPECT_EQ(readBytes
                  ? std::optional<std::vector<uint8_t>>(std::vector<uint8_t>(readBytes->begin(), readBytes->end()))
                  : std::nullopt,
              c.bytes)
        << std::hex << c.value.type;
  }
  rt::Free(block);
}

}  // namespace
}  // namespace lizhi
