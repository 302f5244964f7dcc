// The program's operator new: the C heap as before, but a request that cannot
// be met leaves its byte count for the out-of-memory message before
// std::bad_alloc is thrown (the exception itself carries no size). The
// library's operator delete frees with free(), which matches.
#include <cstdlib>
#include <new>

#include "runtime/base/memory.h"

void* operator new(std::size_t bytes) {
  if (void* p = std::malloc(bytes != 0 ? bytes : 1)) return p;
  lizhi::rt::NoteFailedAllocation(bytes);
  throw std::bad_alloc();
}

void* operator new[](std::size_t bytes) { return ::operator new(bytes); }
