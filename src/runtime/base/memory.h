// The runtime allocator: texts and byte arrays handed between commands and their
// callers live here. It never returns nothing: a failed allocation is fatal.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lizhi::rt {

void* Allocate(size_t bytes);
void* Reallocate(void* block, size_t bytes);  // null block: fresh allocation
void Free(void* block);                       // null is ignored
// With plain set a failure gives null instead of ending the program.
void* AllocatePlain(size_t bytes);

// A text result: a fresh zero-terminated copy, or null for the empty text.
char* CopyText(std::string_view text);

// Byte-array blocks: 32-bit dimension count (1), 32-bit length, then the bytes.
struct ByteArrayHeader {
  int32_t dimensions;
  int32_t length;
};
// A fresh block holding a copy of the bytes; null when there are none.
void* MakeByteArray(const void* bytes, size_t length);
// Length and data of a block; a null block has length 0.
size_t ByteArrayLength(const void* block);
const uint8_t* ByteArrayData(const void* block);

// Text-array blocks (results of splitting): 32-bit 1, 32-bit count, then the
// text pointers (an empty piece is null), all in one block.
void** MakeTextArray(size_t count);  // pointers start null
size_t TextArrayCount(const void* block);
char** TextArrayItems(void* block);
void FreeTextArray(void* block);  // every element, then the block

}  // namespace lizhi::rt
