// What the application benchmark shares: a clock, temporary program
// directories, a foreground window for the painter, and a process's resources.
#pragma once
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/base/win_handles.h"

namespace lizhi::bench {

inline double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER c;
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / frequency;
}

inline void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(1);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

inline double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())))];
}

inline std::string ModuleDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of('\\'));
}

// A fresh directory under %TEMP%, removed with its files afterwards.
class TempDir {
 public:
  TempDir() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int serial = 0;
    for (int i = 0; i < 100 && path_.empty(); ++i) {
      std::string candidate =
          std::string(base) + "lizhi-bench-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
      if (CreateDirectoryA(candidate.c_str(), nullptr)) path_ = candidate;
    }
  }
  ~TempDir() {
    if (path_.empty()) return;
    std::string from = path_ + std::string(1, '\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// A plain white window in front, for the title-bar painter to paint on.
class FrontWindow {
 public:
  FrontWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "LizhiBenchFront";
    RegisterClassA(&wc);
    window_.reset(CreateWindowExA(0, wc.lpszClassName, "lizhi bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 120, 700,
                                  400, nullptr, nullptr, wc.hInstance, nullptr));
    SetForegroundWindow(window_.get());
    UpdateWindow(window_.get());
    Pump(200);
  }
  FrontWindow(const FrontWindow&) = delete;
  FrontWindow& operator=(const FrontWindow&) = delete;

 private:
  win::Window window_;
};

struct Resources {
  double privateKb = 0;
  double workingSetKb = 0;
  DWORD gdiObjects = 0;
  DWORD userObjects = 0;
  DWORD handles = 0;
  double cpuMs = 0;  // user + kernel time so far
};

inline Resources ResourcesOf(HANDLE process) {
  Resources r;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    // Wine leaves PrivateUsage at 0; the page-file usage is the same private
    // commit charge on Windows.
    SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    r.privateKb = static_cast<double>(privateBytes) / 1024.0;
    r.workingSetKb = static_cast<double>(memory.WorkingSetSize) / 1024.0;
  }
  // Wine answers 0 for the GUI object and handle counts.
  r.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  r.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  GetProcessHandleCount(process, &r.handles);
  FILETIME created, exited, kernel, user;
  if (GetProcessTimes(process, &created, &exited, &kernel, &user)) {
    auto ms = [](FILETIME t) {
      return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
    };
    r.cpuMs = ms(kernel) + ms(user);
  }
  return r;
}

inline void PrintResources(const char* label, const Resources& r) {
  std::printf("  %-28s private %6.0f KB  working set %6.0f KB  GDI %lu  USER %lu  handles %lu  CPU %.0f ms\n", label,
              r.privateKb, r.workingSetKb, static_cast<unsigned long>(r.gdiObjects),
              static_cast<unsigned long>(r.userObjects), static_cast<unsigned long>(r.handles), r.cpuMs);
}

inline bool WriteText(const std::string& path, const std::string& text) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fwrite(text.data(), 1, text.size(), f);
  return std::fclose(f) == 0;
}

inline void WriteInterval(const TempDir& dir, const char* seconds) {
  WritePrivateProfileStringA("lz", "time", seconds, dir.File("setup.ini").c_str());
}

}  // namespace lizhi::bench
