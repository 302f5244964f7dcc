#include <fcntl.h>
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "runtime/commands/files.h"
#include "runtime/commands/native_path.h"

namespace lizhi::rt {

namespace {
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};
}  // namespace

bool MakeDirectory(const char* path) { return ::mkdir(NativePath(path).c_str(), 0777) == 0; }

bool FileExists(const char* path) {
  std::string p = NativePath(path);
  if (p.empty()) return false;
  if (p.find_first_of("*?") == std::string::npos) {
    struct stat st;
    return ::stat(p.c_str(), &st) == 0;
  }
  glob_t found{};
  bool any = ::glob(p.c_str(), GLOB_NOSORT, nullptr, &found) == 0 && found.gl_pathc > 0;
  ::globfree(&found);
  return any;
}

bool IsExistingFile(const char* path) {
  struct stat st;
  return ::stat(NativePath(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool ReadWholeFile(const char* path, size_t headerRoom, AllocationFailure onFailure, FileContents& out) {
  out = FileContents{};
  out.headerRoom = headerRoom;
  Fd fd(::open(NativePath(path).c_str(), O_RDONLY));
  struct stat st;
  if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if (static_cast<uint64_t>(st.st_size) > kMaxFileBytes - headerRoom) return false;
  size_t wanted = static_cast<size_t>(st.st_size);
  if (wanted == 0) return true;
  void* block =
      onFailure == AllocationFailure::kFatal ? Allocate(headerRoom + wanted) : AllocatePlain(headerRoom + wanted);
  if (!block) return false;
  out.block.reset(static_cast<uint8_t*>(block));
  size_t done = 0;
  while (done < wanted) {
    ssize_t n = ::read(fd.get(), out.block.get() + headerRoom + done, wanted - done);
    if (n < 0) {
      out = FileContents{};
      return false;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  out.size = done;
  if (done == 0) out.block.reset();
  return true;
}

bool WriteWholeFile(const char* path, std::span<const std::span<const uint8_t>> pieces) {
  if (!path || !*path) return false;
  Fd fd(::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666));
  if (fd.get() < 0) return false;
  for (auto piece : pieces) {
    size_t done = 0;
    while (done < piece.size()) {
      ssize_t n = ::write(fd.get(), piece.data() + done, piece.size() - done);
      if (n <= 0) return false;
      done += static_cast<size_t>(n);
    }
  }
  return ::close(fd.release()) == 0;
}

bool ReplaceFileContents(const char* path, std::span<const std::span<const uint8_t>> pieces) {
  if (!path || !*path) return false;
  std::string target = NativePath(path);
  struct stat before;
  bool existed = ::stat(target.c_str(), &before) == 0;
  std::string temporary = std::string(path) + "~";
  if (!WriteWholeFile(temporary.c_str(), pieces) || ::rename(NativePath(temporary).c_str(), target.c_str()) != 0) {
    ::unlink(NativePath(temporary).c_str());
    return false;
  }
  struct stat after;
  if (existed && ::stat(target.c_str(), &after) == 0 &&
      (after.st_mtim.tv_sec < before.st_mtim.tv_sec ||
       (after.st_mtim.tv_sec == before.st_mtim.tv_sec && after.st_mtim.tv_nsec <= before.st_mtim.tv_nsec))) {
    timespec times[2] = {{0, UTIME_OMIT}, before.st_mtim};
    if (++times[1].tv_nsec >= 1000000000) times[1].tv_nsec = 0, ++times[1].tv_sec;
    ::utimensat(AT_FDCWD, target.c_str(), times, 0);
  }
  return true;
}

}  // namespace lizhi::rt
