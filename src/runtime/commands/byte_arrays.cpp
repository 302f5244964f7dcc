#include "runtime/commands/byte_arrays.h"

#include <algorithm>
#include <cstring>

#include "runtime/base/fatal.h"
#include "runtime/base/memory.h"
#include "runtime/commands/command_texts.h"
#include "runtime/commands/date_time.h"

namespace lizhi::rt {

namespace {

struct KindEntry {
  int32_t kind;
  uint32_t type;
  size_t size;
};
constexpr KindEntry kKinds[] = {
    {kDataByte, kTypeByte, 1},       {kDataShort, kTypeShort, 2},       {kDataInt, kTypeInt, 4},
    {kDataLong, kTypeLong, 8},       {kDataFloat, kTypeFloat, 4},       {kDataDouble, kTypeDouble, 8},
    {kDataLogical, kTypeLogical, 4}, {kDataDateTime, kTypeDateTime, 8}, {kDataSubroutine, kTypeSubroutine, 4},
    {kDataText, kTypeText, 0},
};

const KindEntry* FindKind(int32_t kind) {
  for (const auto& k : kKinds)
    if (k.kind == kind) return &k;
  return nullptr;
}

}  // namespace

ByteSpan BytesOf(const void* block) { return {ByteArrayData(block), ByteArrayLength(block)}; }

ByteSpan RightBytes(ByteSpan bytes, int32_t n) {
  size_t take = n <= 0 ? 0 : std::min(bytes.size(), static_cast<size_t>(n));
  return bytes.subspan(bytes.size() - take);
}

ByteSpan MidBytes(ByteSpan bytes, int32_t start, int32_t n) {
  size_t from = start < 1 ? 0 : std::min(bytes.size(), static_cast<size_t>(start) - 1);
  size_t take = n <= 0 ? 0 : std::min(bytes.size() - from, static_cast<size_t>(n));
  return bytes.subspan(from, take);
}

int32_t FindBytes(ByteSpan bytes, ByteSpan pattern, int32_t start) {
  if (pattern.empty()) return -1;
  size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  if (from >= bytes.size()) return -1;
  auto it = std::search(bytes.begin() + from, bytes.end(), pattern.begin(), pattern.end());
  return it == bytes.end() ? -1 : static_cast<int32_t>(it - bytes.begin()) + 1;
}

TypedValue ReadBytesData(ByteSpan bytes, int32_t kind, int32_t position, int32_t& nextPosition) {
  const KindEntry* entry = FindKind(kind);
  if (!entry) FatalRuntimeError(text::kBadDataKind);
  // A position before the start reads nothing, like one past the end.
  size_t offset = position < 1 ? bytes.size() + 1 : static_cast<size_t>(position) - 1;
  ByteSpan rest = offset < bytes.size() ? bytes.subspan(offset) : ByteSpan{};

  TypedValue value{0, 0, entry->type};
  size_t consumed;
  if (entry->type == kTypeText) {
    const void* zero = rest.empty() ? nullptr : std::memchr(rest.data(), 0, rest.size());
    size_t length = zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - rest.data()) : rest.size();
    SetPointer(value, CopyText({reinterpret_cast<const char*>(rest.data()), length}));
    consumed = length + 1;  // the terminator, or the end standing in for it
  } else {
    uint8_t raw[8] = {};
    if (!rest.empty()) std::memcpy(raw, rest.data(), std::min(rest.size(), entry->size));
    std::memcpy(&value.low, raw, 4);
    if (entry->size == 8) std::memcpy(&value.high, raw + 4, 4);
    if (entry->size == 1) value.low &= 0xFF;
    if (entry->size == 2) value.low = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int16_t>(value.low)));
    if (entry->type == kTypeLogical) value.low = value.low != 0 ? 1 : 0;
    if (entry->type == kTypeDateTime) value = MakeDouble(ClampDateTime(DoubleOf(value)), kTypeDateTime);
    consumed = entry->size;
  }
  size_t end = offset + consumed;
  nextPosition = (offset > bytes.size() || end > bytes.size()) ? -1 : static_cast<int32_t>(end) + 1;
  return value;
}

}  // namespace lizhi::rt
