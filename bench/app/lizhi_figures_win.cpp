// lizhi.exe measured from outside, as a user's desktop sees it.
#include <shlwapi.h>

#include <cstdio>
#include <optional>
#include <vector>

#include "bench_parts.h"
#include "bench_support_win.h"

namespace lizhi::bench {

namespace {

constexpr UINT kEndRequest = 0x83E7;  // the runtime's end request, wParam = exit code

struct Started {
  PROCESS_INFORMATION info{};
  double startMs = 0;
};

std::optional<Started> StartIn(const TempDir& dir, const std::string& exe) {
  const std::string target = dir.File(exe.substr(exe.find_last_of('\\') + 1));
  if (!CopyFileA(exe.c_str(), target.c_str(), FALSE)) return std::nullopt;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  Started s;
  s.startMs = NowMs();
  std::string command = "\"" + target + "\"";
  if (!CreateProcessA(target.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.path().c_str(), &si,
                      &s.info))
    return std::nullopt;
  CloseHandle(s.info.hThread);
  return s;
}

struct WindowSearch {
  DWORD pid;
  const char* className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (pid != search->pid || lstrcmpA(name, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

HWND TopWindowOf(DWORD pid, const char* className) {
  WindowSearch search{pid, className};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A change of nothing succeeds only for an icon the shell holds.
bool ShellHasIcon(HWND owner, UINT id) {
  NOTIFYICONDATAA record{};
  record.cbSize = 488;
  record.hWnd = owner;
  record.uID = id;
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

// How each program's icon is found: lizhi's belongs to a child window of its
// start-up window and takes that window's handle as its id; the minimal
// program's belongs to its only window, id 1.
struct Program {
  const char* label;
  std::string exe;
  bool isLizhi;
};

bool IconShows(const Program& program, DWORD pid) {
  if (!program.isLizhi) {
    HWND window = TopWindowOf(pid, "LizhiMinimalTray");
    return window && ShellHasIcon(window, 1);
  }
  HWND window = TopWindowOf(pid, "LizhiWindow");
  HWND icon = window ? FindWindowExA(window, nullptr, "LizhiTrayIcon", nullptr) : nullptr;
  return icon && ShellHasIcon(icon, static_cast<UINT>(reinterpret_cast<UINT_PTR>(icon)));
}

// Milliseconds from process creation until the icon is in the notification
// area; negative when it did not show within 20 s.
double WaitForIcon(const Program& program, const Started& s) {
  while (NowMs() - s.startMs < 20000) {
    if (IconShows(program, s.info.dwProcessId)) return NowMs() - s.startMs;
    Sleep(1);
  }
  return -1;
}

void End(const Program& program, Started& s) {
  if (program.isLizhi) {
    if (HWND runtime = TopWindowOf(s.info.dwProcessId, "LizhiRuntimeMessageWindow"))
      PostMessageA(runtime, kEndRequest, 0, 0);
  } else if (HWND window = TopWindowOf(s.info.dwProcessId, "LizhiMinimalTray")) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(s.info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(s.info.hProcess, 1);
  CloseHandle(s.info.hProcess);
}

// Anonymous resident memory (KB) of the Linux process that runs the program
// started in `dir`: Wine leaves PrivateUsage at 0, and its drive Z: reaches
// /proc, where the Wine process's command line names the program's path.
long AnonymousKb(const TempDir& dir) {
  std::string folder = dir.path().substr(dir.path().find_last_of('\\') + 1);
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
  if (search == INVALID_HANDLE_VALUE) return -1;
  long kb = -1;
  do {
    if (found.cFileName[0] < '0' || found.cFileName[0] > '9') continue;
    const std::string entry = std::string("Z:\\proc\\") + found.cFileName;
    FILE* f = std::fopen((entry + "\\cmdline").c_str(), "rb");
    if (!f) continue;
    char command[1024] = {};
    size_t n = std::fread(command, 1, sizeof command - 1, f);
    std::fclose(f);
    for (size_t i = 0; i < n; ++i)
      if (command[i] == '\0') command[i] = ' ';
    if (!StrStrIA(command, folder.c_str()) || !StrStrIA(command, ".exe")) continue;
    if (FILE* status = std::fopen((entry + "\\status").c_str(), "r")) {
      char line[256];
      while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "RssAnon: %ld", &kb) == 1) break;
      std::fclose(status);
    }
  } while (kb < 0 && FindNextFileA(search, &found));
  FindClose(search);
  return kb;
}

double Median(std::vector<double> v) { return Percentile(std::move(v), 0.5); }

}  // namespace

void TimeStartToIcon(const std::string& lizhiExe, const std::string& minimalExe, int runs) {
  std::printf(
      "\nStart until the icon is in the notification area, lizhi.exe and the minimal tray program\n"
      "started by turns, each in a fresh directory (the first pair cold)\n");
  const Program programs[] = {{"lizhi.exe", lizhiExe, true}, {"minimal tray", minimalExe, false}};
  std::vector<double> times[2];
  for (int i = 0; i <= runs; ++i) {
    for (int k = 0; k < 2; ++k) {
      const Program& program = programs[(i + k) % 2];  // the order changes every round
      TempDir dir;
      std::optional<Started> s = StartIn(dir, program.exe);
      if (!s) {
        std::printf("  could not start %s\n", program.exe.c_str());
        return;
      }
      double ms = WaitForIcon(program, *s);
      End(program, *s);
      if (i == 0)
        std::printf("  first start (cold) of %-13s %7.1f ms\n", program.label, ms);
      else
        times[program.isLizhi ? 0 : 1].push_back(ms);
      Pump(200);
    }
  }
  for (int k = 0; k < 2; ++k)
    std::printf("  %-13s %d warm starts: median %7.1f ms, min %7.1f ms, max %7.1f ms\n", programs[k].label, runs,
                Median(times[k]), Percentile(times[k], 0.0), Percentile(times[k], 1.0));
  const double extra = Median(times[0]) - Median(times[1]);
  std::printf("  lizhi.exe takes %+.1f ms more than the minimal program (target: at most +30 ms)\n", extra);
}

void CompareMemory(const std::string& lizhiExe, const std::string& minimalExe, int rounds) {
  std::printf(
      "\nPrivate memory (anonymous resident memory of the Wine process) 8 s after start, lizhi.exe\n"
      "(title-bar mode, 2 s interval) and the minimal tray program running side by side\n");
  const Program programs[] = {{"lizhi.exe", lizhiExe, true}, {"minimal tray", minimalExe, false}};
  std::vector<double> kb[2];
  for (int round = 0; round < rounds; ++round) {
    TempDir dirs[2];
    std::optional<Started> started[2];
    for (int k = 0; k < 2; ++k) {
      const int which = (round + k) % 2;
      started[which] = StartIn(dirs[which], programs[which].exe);
      if (!started[which]) {
        std::printf("  could not start %s\n", programs[which].exe.c_str());
        return;
      }
    }
    Pump(8000);
    for (int k = 0; k < 2; ++k) {
      const long anonymous = AnonymousKb(dirs[k]);
      if (anonymous >= 0) kb[k].push_back(static_cast<double>(anonymous));
      End(programs[k], *started[k]);
    }
  }
  if (kb[0].empty() || kb[1].empty()) {
    std::printf("  no /proc entry found (not under Wine on Linux?)\n");
    return;
  }
  for (int k = 0; k < 2; ++k)
    std::printf("  %-13s median %6.0f KB over %zu rounds (min %.0f, max %.0f)\n", programs[k].label, Median(kb[k]),
                kb[k].size(), Percentile(kb[k], 0.0), Percentile(kb[k], 1.0));
  std::printf("  lizhi.exe / minimal: %.2f times (target: at most 1.5)\n", Median(kb[0]) / Median(kb[1]));
}

void WatchLizhiGrowth(const std::string& lizhiExe) {
  std::printf("\nlizhi.exe at a 10 ms interval in the title-bar mode, ticks judged by the clock\n");
  TempDir dir;
  WriteInterval(dir, "0.01");
  FrontWindow front;
  const Program lizhi{"lizhi.exe", lizhiExe, true};
  std::optional<Started> s = StartIn(dir, lizhiExe);
  if (!s) return;
  const double shown = WaitForIcon(lizhi, *s);
  if (shown < 0) {
    std::printf("  the icon never showed\n");
    End(lizhi, *s);
    return;
  }
  const double t0 = NowMs();
  Pump(100);
  Resources early = ResourcesOf(s->info.hProcess);
  const double tEarly = NowMs() - t0;
  Pump(10000);
  Resources late = ResourcesOf(s->info.hProcess);
  const double tLate = NowMs() - t0;
  Pump(10000);
  Resources later = ResourcesOf(s->info.hProcess);
  const double tLater = NowMs() - t0;
  char label[64];
  std::snprintf(label, sizeof label, "after %.0f ms (~%.0f ticks)", tEarly, tEarly / 10);
  PrintResources(label, early);
  std::snprintf(label, sizeof label, "after %.0f ms (~%.0f ticks)", tLate, tLate / 10);
  PrintResources(label, late);
  std::snprintf(label, sizeof label, "after %.0f ms (~%.0f ticks)", tLater, tLater / 10);
  PrintResources(label, later);
  std::printf("  growth 10 -> 1000 ticks: private %+.0f KB, GDI %+ld, USER %+ld, handles %+ld\n",
              late.privateKb - early.privateKb,
              static_cast<long>(late.gdiObjects) - static_cast<long>(early.gdiObjects),
              static_cast<long>(late.userObjects) - static_cast<long>(early.userObjects),
              static_cast<long>(late.handles) - static_cast<long>(early.handles));
  std::printf("  CPU per nominal tick (1000 -> 2000): %.3f ms\n", (later.cpuMs - late.cpuMs) / ((tLater - tLate) / 10));
  if (early.gdiObjects == 0 && late.gdiObjects == 0)
    std::printf("  (GetGuiResources answers 0: Wine does not count GUI objects)\n");
  End(lizhi, *s);
}

}  // namespace lizhi::bench
