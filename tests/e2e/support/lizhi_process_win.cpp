#include "e2e/support/lizhi_process_win.h"

#include <shellapi.h>

#include <fstream>
#include <sstream>
#include <vector>

namespace lizhi::test {

std::string BuildFile(const std::string& name) {
  std::string dir = LIZHI_BUILD_DIR;
  for (char& c : dir) {
    if (c == '/') c = '\\';
  }
  // A Unix path under Wine is reached through drive Z:.
  if (!dir.empty() && dir[0] == '\\') dir = "Z:" + dir;
  return dir + "\\" + name;
}

TempDirectory::TempDirectory() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  static int serial = 0;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::string candidate =
        std::string(base) + "lizhi-test-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
    if (CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
  }
}

void DeleteTree(const std::string& path) {
  std::string from = path + std::string(1, '\0');
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
}

TempDirectory::~TempDirectory() {
  if (!path_.empty()) DeleteTree(path_);
}

ChildProcess::~ChildProcess() {
  Kill();
  if (process_) CloseHandle(process_);
}

bool ChildProcess::Start(const std::string& exe, const std::string& directory, const std::string& arguments) {
  std::string name = exe.substr(exe.find_last_of('\\') + 1);
  std::string target = directory + "\\" + name;
  if (lstrcmpiA(exe.c_str(), target.c_str()) != 0 && !CopyFileA(exe.c_str(), target.c_str(), FALSE)) return false;
  std::string command = "\"" + target + "\"";
  if (!arguments.empty()) command += " " + arguments;
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(target.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &si, &pi)) {
    return false;
  }
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  pid_ = pi.dwProcessId;
  WaitForInputIdle(process_, 5000);
  return true;
}

std::optional<DWORD> ChildProcess::WaitExit(DWORD ms) {
  if (!process_ || WaitForSingleObject(process_, ms) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

bool ChildProcess::Running() { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

void ChildProcess::Kill() {
  if (Running()) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
}

namespace {
struct WindowSearch {
  DWORD pid;
  const char* className;
  bool visibleOnly;
  HWND found;
};
BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  if (pid == search->pid && lstrcmpA(name, search->className) == 0 &&
      (!search->visibleOnly || IsWindowVisible(window))) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND TopWindowOfClass(DWORD pid, const char* className, bool visibleOnly) {
  WindowSearch search{pid, className, visibleOnly, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildProcess::FindWindowOfClass(const char* className, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    if (HWND found = TopWindowOfClass(pid_, className, false)) return found;
    Sleep(50);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
  return nullptr;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace lizhi::test
