// The runtime allocator: texts and byte arrays handed between commands and their
// callers live here. It never returns nothing: a failed allocation is fatal.
#pragma once
#include <cstddef>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <string_view>

namespace lizhi::rt {

void* Allocate(size_t bytes);
void* Reallocate(void* block, size_t bytes);  // null block: fresh allocation
void Free(void* block);                       // null is ignored
// With plain set a failure gives null instead of ending the program.
void* AllocatePlain(size_t bytes);

// Ends the program through FatalRuntimeError with "分配 %d 字节内存失败!".
[[noreturn]] void FatalOutOfMemory(size_t bytes);

// The byte count of the last request operator new could not meet (kept by the
// program's own operator new, which only the Windows build has), or 0.
void NoteFailedAllocation(size_t bytes);
size_t LastFailedAllocation();

// Runs `body` at the top of a window procedure, a hook, an event handler, the
// message loop or a thread, where an exception must not go further (it would
// have to unwind through the system's frames): a std::bad_alloc or
// std::length_error out of it ends the program through the out-of-memory
// fatal error, with the failed request's byte count where it is known and the
// largest count otherwise.
template <class Body>
decltype(auto) GuardAllocations(Body&& body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    const size_t bytes = LastFailedAllocation();
    FatalOutOfMemory(bytes != 0 ? bytes : static_cast<size_t>(INT32_MAX));
  } catch (const std::length_error&) {
    FatalOutOfMemory(static_cast<size_t>(INT32_MAX));
  }
}

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
