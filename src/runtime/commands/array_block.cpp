#include "runtime/commands/array_block.h"

#include <cstring>

namespace lizhi::rt {

namespace {
struct ElementSizeEntry {
  uint32_t type;
  size_t size;
};
constexpr ElementSizeEntry kElementSizes[] = {
    {kTypeByte, 1}, {kTypeShort, 2},  {kTypeInt, 4},      {kTypeFloat, 4},      {kTypeLogical, 4},
    {kTypeLong, 8}, {kTypeDouble, 8}, {kTypeDateTime, 8}, {kTypeSubroutine, 4},
};
constexpr int32_t kMaxDimensions = 16;
constexpr size_t kMaxElements = 0x7FFFFFFF;
}  // namespace

size_t ElementSize(uint32_t baseType) {
  for (const auto& e : kElementSizes)
    if (e.type == baseType) return e.size;
  return 0;
}

ArrayView ViewArray(const void* block, size_t elementSize) {
  if (!block || elementSize == 0) return {};
  auto* bytes = static_cast<const uint8_t*>(block);
  int32_t dims;
  std::memcpy(&dims, bytes, sizeof dims);
  if (dims < 1 || dims > kMaxDimensions) return {};
  size_t count = 1;
  for (int32_t i = 0; i < dims; ++i) {
    int32_t length;
    std::memcpy(&length, bytes + 4 + 4 * i, sizeof length);
    if (length < 0) return {};
    if (length != 0 && count > kMaxElements / static_cast<size_t>(length)) return {};
    count *= static_cast<size_t>(length);
  }
  if (count > kMaxElements / elementSize) return {};
  return {bytes + 4 + 4 * static_cast<size_t>(dims), count};
}

}  // namespace lizhi::rt
