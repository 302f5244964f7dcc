// Arrays passed by reference: a block of a 32-bit dimension count d, d 32-bit
// lengths, then the elements one after another.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/base/typed_value.h"

namespace lizhi::rt {

struct ArrayView {
  const uint8_t* data = nullptr;
  size_t count = 0;  // elements over all dimensions
};

// Bytes one element of a value of this base type takes (0: not a fixed-size
// number, such as a text).
size_t ElementSize(uint32_t baseType);

// The elements of an array block of `elementSize`-byte elements. A null block,
// a header that does not make sense or one of over 2^31 elements gives none.
ArrayView ViewArray(const void* block, size_t elementSize);

}  // namespace lizhi::rt
