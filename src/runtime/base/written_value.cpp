#include "runtime/base/written_value.h"

#include "runtime/base/memory.h"

namespace lizhi::rt {

std::optional<std::string_view> WrittenText(const TypedValue& value) {
  if (value.type != kTypeText) return std::nullopt;
  return std::string_view(TextOf(value));
}

std::optional<std::span<const uint8_t>> WrittenBytes(const TypedValue& value) {
  if (value.type != kTypeBytes) return std::nullopt;
  const void* block = GetPointer(value);
  return std::span<const uint8_t>(ByteArrayData(block), ByteArrayLength(block));
}

}  // namespace lizhi::rt
