// What a property write carries, read only when the value is of the kind the
// property holds: a value of another kind carries nothing, so nothing is read
// through its words as if they pointed to a text or a byte array.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

// The text of a text value (a null text is the empty one); none otherwise.
std::optional<std::string_view> WrittenText(const TypedValue& value);
// The bytes of a byte-array value (a null block has none); none otherwise.
std::optional<std::span<const uint8_t>> WrittenBytes(const TypedValue& value);

}  // namespace lizhi::rt
