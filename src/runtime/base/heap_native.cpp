#include <cstdlib>

#include "runtime/base/heap.h"

namespace lizhi::rt {
void* HeapAllocate(size_t bytes) { return std::malloc(bytes ? bytes : 1); }
void* HeapReallocate(void* block, size_t bytes) { return std::realloc(block, bytes ? bytes : 1); }
void HeapRelease(void* block) { std::free(block); }
}  // namespace lizhi::rt
