// Conversions between values: to a number, to a text, to bytes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

// The C library's atof on a byte text, the same in every build: leading blanks
// skipped, a decimal number with optional sign, fraction and exponent read as
// far as it fits; no number gives 0.
double ParseDecimalPrefix(std::string_view text);
// The same for whole numbers (atoi / _atoi64), saturating at the type's limits.
int64_t ParseIntegerPrefix(std::string_view text);

// Full-width GBK forms of digits, letters and signs become their ASCII bytes.
std::string NarrowFullWidth(std::string_view text);

double TextToNumber(std::string_view text);
double ValueToNumber(const TypedValue& value);
std::string ValueToText(const TypedValue& value);
std::vector<uint8_t> ValueToBytes(const TypedValue& value);

}  // namespace lizhi::rt
