// Files and directories as the commands see them: paths are GBK texts in the
// platform's form (drive letters and backslashes on Windows).
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "runtime/base/memory.h"

namespace lizhi::rt {

// Owns a block of runtime memory.
struct RuntimeBlockFree {
  void operator()(void* block) const { Free(block); }
};
using RuntimeBlock = std::unique_ptr<uint8_t, RuntimeBlockFree>;

// Creates the last component of the path only.
bool MakeDirectory(const char* path);
// True when a directory search for the path finds an entry: directories count,
// and a pattern with wildcards counts when anything matches.
bool FileExists(const char* path);
// True for an existing file that is not a directory (no wildcards).
bool IsExistingFile(const char* path);

// A whole file read into runtime memory, `headerRoom` bytes in front of its
// contents. Other writers are denied while it is read.
struct FileContents {
  RuntimeBlock block;  // null for an empty file
  size_t size = 0;     // bytes of contents after the header room
  uint8_t* data() const { return block.get() ? block.get() + headerRoom : nullptr; }
  size_t headerRoom = 0;
};
enum class AllocationFailure { kFatal, kResult };
// False for a missing or unreadable file, a file over 2 GB, and (with kResult)
// when no memory is left for it.
bool ReadWholeFile(const char* path, size_t headerRoom, AllocationFailure onFailure, FileContents& out);

// Creates or truncates the file and writes the pieces in order. False on any
// failure and for an empty path.
bool WriteWholeFile(const char* path, std::span<const std::span<const uint8_t>> pieces);

// Replaces the file's contents through a temporary file next to it, so the old
// contents survive a failed write; a file with other names (hard links) is
// rewritten in place once the temporary copy is written, so that every name
// sees the new contents. The last-write time is moved past the old one, so
// readers that cache a file by that time (the INI functions) read it anew even
// when both writes fall in one tick of the file system's clock.
bool ReplaceFileContents(const char* path, std::span<const std::span<const uint8_t>> pieces);

// Largest file the runtime reads whole (its byte arrays count with 32 bits).
constexpr uint64_t kMaxFileBytes = 0x7FFFFFF0;

}  // namespace lizhi::rt
