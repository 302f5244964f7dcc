// lizhi.exe measured from outside, as a user's desktop sees it.
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
  const std::string target = dir.File("lizhi.exe");
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
bool ShellHasIcon(HWND owner) {
  NOTIFYICONDATAA record{};
  record.cbSize = 488;
  record.hWnd = owner;
  record.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(owner));
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

// Milliseconds from process creation until the icon is in the notification
// area; negative when it did not show within 20 s.
double WaitForIcon(const Started& s) {
  while (NowMs() - s.startMs < 20000) {
    if (HWND window = TopWindowOf(s.info.dwProcessId, "LizhiWindow")) {
      HWND icon = FindWindowExA(window, nullptr, "LizhiTrayIcon", nullptr);
      if (icon && ShellHasIcon(icon)) return NowMs() - s.startMs;
    }
    Sleep(1);
  }
  return -1;
}

void End(Started& s) {
  if (HWND runtime = TopWindowOf(s.info.dwProcessId, "LizhiRuntimeMessageWindow"))
    PostMessageA(runtime, kEndRequest, 0, 0);
  if (WaitForSingleObject(s.info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(s.info.hProcess, 1);
  CloseHandle(s.info.hProcess);
}

}  // namespace

void TimeStartToIcon(const std::string& lizhiExe, int runs) {
  std::printf("\nStart until the icon is in the notification area (lizhi.exe, fresh directory each start)\n");
  std::vector<double> times;
  for (int i = 0; i <= runs; ++i) {
    TempDir dir;
    std::optional<Started> s = StartIn(dir, lizhiExe);
    if (!s) {
      std::printf("  could not start %s\n", lizhiExe.c_str());
      return;
    }
    double ms = WaitForIcon(*s);
    End(*s);
    if (i == 0) {
      std::printf("  first start (cold):  %7.1f ms\n", ms);
      continue;
    }
    times.push_back(ms);
    Pump(300);
  }
  std::printf("  %d further starts:   median %7.1f ms, min %7.1f ms, max %7.1f ms\n", runs, Percentile(times, 0.5),
              Percentile(times, 0.0), Percentile(times, 1.0));
}

void WatchLizhiGrowth(const std::string& lizhiExe) {
  std::printf("\nlizhi.exe at a 10 ms interval in the title-bar mode, ticks judged by the clock\n");
  TempDir dir;
  WriteInterval(dir, "0.01");
  FrontWindow front;
  std::optional<Started> s = StartIn(dir, lizhiExe);
  if (!s) return;
  const double shown = WaitForIcon(*s);
  if (shown < 0) {
    std::printf("  the icon never showed\n");
    End(*s);
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
  End(*s);
}

}  // namespace lizhi::bench
