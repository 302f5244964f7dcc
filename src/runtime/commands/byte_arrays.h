// Byte-array commands. Positions are 1-based.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

using ByteSpan = std::span<const uint8_t>;

// The bytes of a byte-array block (none for no block).
ByteSpan BytesOf(const void* block);

ByteSpan RightBytes(ByteSpan bytes, int32_t n);
ByteSpan MidBytes(ByteSpan bytes, int32_t start, int32_t n);
int32_t FindBytes(ByteSpan bytes, ByteSpan pattern, int32_t start = 1);

// Kinds of GetBytesData.
enum BytesDataKind : int32_t {
  kDataByte = 1,
  kDataShort,
  kDataInt,
  kDataLong,
  kDataFloat,
  kDataDouble,
  kDataLogical,
  kDataDateTime,
  kDataSubroutine,
  kDataText,
};

// Reads one value of `kind` at `position`; missing bytes at the end read as
// zero. `nextPosition` gets the position after the value, or -1 when the value
// passed the end. A text result is a fresh runtime copy. An unknown kind is
// fatal.
TypedValue ReadBytesData(ByteSpan bytes, int32_t kind, int32_t position, int32_t& nextPosition);

}  // namespace lizhi::rt
