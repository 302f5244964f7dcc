#include <sys/stat.h>

#include "app/text_source/file_stamp.h"
#include "runtime/commands/native_path.h"

namespace lizhi::app {

std::optional<FileStamp> StampOfFile(const std::string& path) {
  struct stat st;
  if (::stat(rt::NativePath(path).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  FileStamp stamp;
  stamp.size = static_cast<uint64_t>(st.st_size);
  stamp.writeTime =
      static_cast<uint64_t>(st.st_mtim.tv_sec) * 1'000'000'000u + static_cast<uint64_t>(st.st_mtim.tv_nsec);
  return stamp;
}

}  // namespace lizhi::app
