// Starting a program of the build in a fresh program directory and watching it
// from outside, as a user's desktop would.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "support/files.h"

namespace lizhi::test {

// The Windows path of a file in the Windows build folder.
std::string BuildFile(const std::string& name);

// A fresh, empty directory under %TEMP%; removed with its files afterwards.
class TempDirectory {
 public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();  // kills a child still running
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Copies `exe` into `directory` (unless it is there already) and starts it
  // there with `arguments`.
  bool Start(const std::string& exe, const std::string& directory, const std::string& arguments = "");
  DWORD pid() const { return pid_; }
  // The exit code once the process ended within `ms`, else nothing.
  std::optional<DWORD> WaitExit(DWORD ms);
  bool Running();
  void Kill();
  // A top-level window of this process with the class name, waiting up to `ms`.
  HWND FindWindowOfClass(const char* className, DWORD ms);

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// Whole contents of a file, or nothing when it cannot be read.
bool FileExists(const std::string& path);
// Deletes a folder with everything in it, quietly.
void DeleteTree(const std::string& path);
// The first top-level window of that class owned by the process (visible ones
// only when asked), or null.
HWND TopWindowOfClass(DWORD pid, const char* className, bool visibleOnly);

}  // namespace lizhi::test
