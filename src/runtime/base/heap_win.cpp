#include <windows.h>

#include "runtime/base/heap.h"

namespace lizhi::rt {
void* HeapAllocate(size_t bytes) { return HeapAlloc(GetProcessHeap(), 0, bytes ? bytes : 1); }
void* HeapReallocate(void* block, size_t bytes) { return HeapReAlloc(GetProcessHeap(), 0, block, bytes ? bytes : 1); }
void HeapRelease(void* block) { HeapFree(GetProcessHeap(), 0, block); }
}  // namespace lizhi::rt
