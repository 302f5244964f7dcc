#include <windows.h>

#include <string>

#include "runtime/base/win_handles.h"
#include "runtime/commands/files.h"

namespace lizhi::rt {

bool MakeDirectory(const char* path) { return CreateDirectoryA(path, nullptr) != 0; }

bool FileExists(const char* path) {
  WIN32_FIND_DATAA found;
  win::FindHandle search(FindFirstFileA(path, &found));
  return static_cast<bool>(search);
}

bool IsExistingFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadWholeFile(const char* path, size_t headerRoom, AllocationFailure onFailure, FileContents& out) {
  out = FileContents{};
  out.headerRoom = headerRoom;
  win::Handle file(
      CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
      static_cast<uint64_t>(size.QuadPart) > kMaxFileBytes - headerRoom)
    return false;
  if (size.QuadPart == 0) return true;
  size_t total = headerRoom + static_cast<size_t>(size.QuadPart);
  void* block = onFailure == AllocationFailure::kFatal ? Allocate(total) : AllocatePlain(total);
  if (!block) return false;
  out.block.reset(static_cast<uint8_t*>(block));
  size_t done = 0, wanted = static_cast<size_t>(size.QuadPart);
  while (done < wanted) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(wanted - done, 1u << 24));
    DWORD read = 0;
    if (!ReadFile(file.get(), out.block.get() + headerRoom + done, chunk, &read, nullptr)) {
      out = FileContents{};
      return false;
    }
    if (read == 0) break;  // the file became shorter while we read it
    done += read;
  }
  out.size = done;
  if (done == 0) out.block.reset();
  return true;
}

bool WriteWholeFile(const char* path, std::span<const std::span<const uint8_t>> pieces) {
  if (!path || !*path) return false;
  win::Handle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  for (auto piece : pieces) {
    size_t done = 0;
    while (done < piece.size()) {
      DWORD chunk = static_cast<DWORD>(std::min<size_t>(piece.size() - done, 1u << 24));
      DWORD written = 0;
      if (!WriteFile(file.get(), piece.data() + done, chunk, &written, nullptr) || written == 0) return false;
      done += written;
    }
  }
  return CloseHandle(file.release()) != 0;
}

namespace {
bool LastWriteTime(const char* path, ULARGE_INTEGER& time) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
  time.LowPart = data.ftLastWriteTime.dwLowDateTime;
  time.HighPart = data.ftLastWriteTime.dwHighDateTime;
  return true;
}

// True when the file has more names than this one: a hard link, such as the one
// through which Scoop keeps setup.ini across updates.
bool HasOtherNames(const char* path) {
  win::Handle file(CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  return file && GetFileInformationByHandle(file.get(), &info) && info.nNumberOfLinks > 1;
}
}  // namespace

bool ReplaceFileContents(const char* path, std::span<const std::span<const uint8_t>> pieces) {
  if (!path || !*path) return false;
  ULARGE_INTEGER before{};
  bool existed = LastWriteTime(path, before);
  std::string temporary = std::string(path) + "~";
  if (!WriteWholeFile(temporary.c_str(), pieces)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  // A file with other names is rewritten where it is, since a rename would
  // leave those names the old contents; should that write fail, the rename
  // still puts the new contents under this name.
  if (HasOtherNames(path) && WriteWholeFile(path, pieces)) {
    DeleteFileA(temporary.c_str());
  } else if (!MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  ULARGE_INTEGER after{};
  if (existed && LastWriteTime(path, after) && after.QuadPart <= before.QuadPart) {
    win::Handle file(CreateFileA(path, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    after.QuadPart = before.QuadPart + 1;
    FILETIME time{after.LowPart, after.HighPart};
    if (file) SetFileTime(file.get(), nullptr, nullptr, &time);
  }
  return true;
}

}  // namespace lizhi::rt
