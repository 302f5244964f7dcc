#include "runtime/base/memory.h"

#include <cstdio>
#include <cstring>

#include "runtime/base/fatal.h"
#include "runtime/base/heap.h"
#include "runtime/base/runtime_texts.h"

namespace lizhi::rt {

namespace {
size_t g_failedAllocation = 0;

[[noreturn]] void OutOfMemory(size_t bytes) { FatalOutOfMemory(bytes); }
}  // namespace

void FatalOutOfMemory(size_t bytes) {
  // A fixed buffer: there may be no memory left.
  static char message[64];
  const int count = bytes > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int>(bytes);
  std::snprintf(message, sizeof message, text::kOutOfMemory, count);
  FatalRuntimeError(message, 0);
}

void NoteFailedAllocation(size_t bytes) { g_failedAllocation = bytes; }
size_t LastFailedAllocation() { return g_failedAllocation; }

void* Allocate(size_t bytes) {
  void* p = HeapAllocate(bytes);
  if (!p) OutOfMemory(bytes);
  return p;
}

void* AllocatePlain(size_t bytes) { return HeapAllocate(bytes); }

void* Reallocate(void* block, size_t bytes) {
  if (!block) return Allocate(bytes);
  void* p = HeapReallocate(block, bytes);
  if (!p) OutOfMemory(bytes);
  return p;
}

void Free(void* block) {
  if (block) HeapRelease(block);
}

char* CopyText(std::string_view text) {
  if (text.empty()) return nullptr;
  auto* p = static_cast<char*>(Allocate(text.size() + 1));
  std::memcpy(p, text.data(), text.size());
  p[text.size()] = '\0';
  return p;
}

void* MakeByteArray(const void* bytes, size_t length) {
  if (length == 0) return nullptr;
  auto* block = static_cast<uint8_t*>(Allocate(sizeof(ByteArrayHeader) + length));
  ByteArrayHeader header{1, static_cast<int32_t>(length)};
  std::memcpy(block, &header, sizeof header);
  if (bytes) {
    std::memcpy(block + sizeof header, bytes, length);
  } else {
    std::memset(block + sizeof header, 0, length);
  }
  return block;
}

size_t ByteArrayLength(const void* block) {
  if (!block) return 0;
  ByteArrayHeader header;
  std::memcpy(&header, block, sizeof header);
  return header.length > 0 ? static_cast<size_t>(header.length) : 0;
}

const uint8_t* ByteArrayData(const void* block) {
  if (!block) return nullptr;
  return static_cast<const uint8_t*>(block) + sizeof(ByteArrayHeader);
}

void** MakeTextArray(size_t count) {
  size_t bytes = sizeof(ByteArrayHeader) + count * sizeof(char*);
  auto* block = static_cast<uint8_t*>(Allocate(bytes));
  std::memset(block, 0, bytes);
  ByteArrayHeader header{1, static_cast<int32_t>(count)};
  std::memcpy(block, &header, sizeof header);
  return reinterpret_cast<void**>(block);
}

size_t TextArrayCount(const void* block) { return ByteArrayLength(block); }

char** TextArrayItems(void* block) {
  return reinterpret_cast<char**>(static_cast<uint8_t*>(block) + sizeof(ByteArrayHeader));
}

void FreeTextArray(void* block) {
  if (!block) return;
  size_t n = TextArrayCount(block);
  char** items = TextArrayItems(block);
  for (size_t i = 0; i < n; ++i) Free(items[i]);
  Free(block);
}

}  // namespace lizhi::rt
