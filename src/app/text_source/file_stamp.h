// Size and last-write time of a file, read with one attribute query: enough to
// notice that an editor has saved it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace lizhi::app {

struct FileStamp {
  uint64_t size = 0;
  uint64_t writeTime = 0;  // in the platform's own units
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// Nothing for a missing file, a folder, or attributes that cannot be read.
std::optional<FileStamp> StampOfFile(const std::string& path);

}  // namespace lizhi::app
