// The platform heap under the runtime allocator (the process heap on Windows).
#pragma once
#include <cstddef>

namespace lizhi::rt {
void* HeapAllocate(size_t bytes);
void* HeapReallocate(void* block, size_t bytes);
void HeapRelease(void* block);
}  // namespace lizhi::rt
