#include "runtime/commands/conversions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "runtime/base/memory.h"
#include "runtime/commands/array_block.h"
#include "runtime/commands/call_form.h"
#include "runtime/commands/command_texts.h"
#include "runtime/commands/date_time.h"

namespace lizhi::rt {

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Full-width forms outside the 0xA3 row that still have an ASCII meaning.
struct FullWidthSign {
  uint8_t lead, trail;
  char ascii;
};
constexpr FullWidthSign kFullWidthSigns[] = {
    {0xA1, 0xA1, ' '},  // ideographic space
    {0xA1, 0xAB, '~'},
    {0xA1, 0xEE, '*'},
    {0xA1, 0xEF, '*'},
};

std::string FormatText(const char* format, auto value) {
  char buffer[64];
  int n = std::snprintf(buffer, sizeof buffer, format, value);
  return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

// Bytes up to the first zero byte.
std::string TextUpToZero(const uint8_t* data, size_t length) {
  auto* end = static_cast<const uint8_t*>(std::memchr(data, 0, length));
  return std::string(reinterpret_cast<const char*>(data), end ? static_cast<size_t>(end - data) : length);
}

}  // namespace

double ParseDecimalPrefix(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) number += text[i++], ++digits;
  if (i < text.size() && text[i] == '.') {
    number += text[i++];
    while (i < text.size() && IsDigit(text[i])) number += text[i++], ++digits;
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      number.append(text.substr(i, j - i));
      while (j < text.size() && IsDigit(text[j])) number += text[j++];
    }
  }
  // Only a plain decimal number reaches strtod, so hexadecimal forms, "inf" and
  // "nan" read as atof reads them on Windows.
  return std::strtod(number.c_str(), nullptr);
}

int64_t ParseIntegerPrefix(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint64_t magnitude = 0;
  constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + 1;
  while (i < text.size() && IsDigit(text[i])) {
    magnitude = magnitude * 10 + static_cast<uint64_t>(text[i++] - '0');
    if (magnitude > kLimit) magnitude = kLimit;
  }
  if (negative) return magnitude >= kLimit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
  return magnitude >= kLimit ? std::numeric_limits<int64_t>::max() : static_cast<int64_t>(magnitude);
}

std::string NarrowFullWidth(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    auto lead = static_cast<uint8_t>(text[i]);
    if (lead < 0x80 || i + 1 >= text.size()) {
      out += text[i];
      continue;
    }
    auto trail = static_cast<uint8_t>(text[i + 1]);
    ++i;
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail & 0x7F);
      continue;
    }
    char ascii = 0;
    for (const auto& sign : kFullWidthSigns)
      if (sign.lead == lead && sign.trail == trail) ascii = sign.ascii;
    if (ascii) {
      out += ascii;
    } else {
      out += static_cast<char>(lead);
      out += static_cast<char>(trail);
    }
  }
  return out;
}

double TextToNumber(std::string_view text) { return ParseDecimalPrefix(NarrowFullWidth(text)); }

double ValueToNumber(const TypedValue& value) {
  if (value.type == kTypeText) return TextToNumber(TextOf(value));
  if (value.type == kTypeSubroutine) return static_cast<double>(value.low);
  double d;
  return NumericValue(value, d) ? d : 0;
}

std::string ValueToText(const TypedValue& value) {
  switch (value.type) {
    case kTypeText:
      return TextOf(value);
    case kTypeByte:
      return FormatText("%u", static_cast<unsigned>(value.low & 0xFF));
    case kTypeShort:
      return FormatText("%d", static_cast<int>(static_cast<int16_t>(value.low)));
    case kTypeInt:
      return FormatText("%d", static_cast<int>(IntOf(value)));
    case kTypeLong:
      return FormatText("%lld", static_cast<long long>(Bits64(value)));
    case kTypeFloat:
      return FormatText("%.6g", static_cast<double>(FloatOf(value)));
    case kTypeDouble:
      return FormatText("%.13g", DoubleOf(value));
    case kTypeLogical:
      return value.low != 0 ? text::kTrue : text::kFalse;
    case kTypeDateTime:
      return FormatDateTime(DoubleOf(value));
    case kTypeBytes: {
      const void* block = GetPointer<const void>(value);
      return TextUpToZero(ByteArrayData(block), ByteArrayLength(block));
    }
    default:
      break;
  }
  if (IsByRef(value)) {
    ArrayView array = ViewArray(GetPointer<const void>(value), ElementSize(BaseType(value.type)));
    if (array.data) return TextUpToZero(array.data, array.count * ElementSize(BaseType(value.type)));
  }
  return {};
}

std::vector<uint8_t> ValueToBytes(const TypedValue& value) {
  if (value.type == kTypeText) {
    const char* p = TextOf(value);
    return std::vector<uint8_t>(p, p + std::strlen(p));
  }
  if (value.type == kTypeBytes) {
    const void* block = GetPointer<const void>(value);
    const uint8_t* data = ByteArrayData(block);
    return std::vector<uint8_t>(data, data + ByteArrayLength(block));
  }
  size_t size = ElementSize(BaseType(value.type));
  if (size == 0) return {};
  if (IsByRef(value)) {
    ArrayView array = ViewArray(GetPointer<const void>(value), size);
    if (!array.data) return {};
    return std::vector<uint8_t>(array.data, array.data + array.count * size);
  }
  // The value itself in machine order: low word, then high word.
  uint8_t bytes[8];
  std::memcpy(bytes, &value.low, 4);
  std::memcpy(bytes + 4, &value.high, 4);
  return std::vector<uint8_t>(bytes, bytes + size);
}

}  // namespace lizhi::rt
