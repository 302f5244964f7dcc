// Timer wake-ups of the core in each display mode: a host runs the core on
// the start-up window as lizhi.exe does, a message hook counts every WM_TIMER
// its windows take, grouped by window class and timer id.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "app/core_win.h"
#include "app/pause.h"
#include "app/program_start_win.h"
#include "bench_parts.h"
#include "bench_support_win.h"
#include "data/startup_window.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_host.h"

namespace lizhi::bench {

namespace {

struct WakeCount {
  std::map<std::pair<std::string, UINT_PTR>, int> timers;
  double startMs = 0;
  int seconds = 0;
  std::string resultFile;
};

WakeCount& Counts() {
  static WakeCount counts;
  return counts;
}

LRESULT CALLBACK CountTimers(int code, WPARAM wParam, LPARAM lParam) {
  const auto* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == WM_TIMER && msg->hwnd) {
    char name[64] = {};
    GetClassNameA(msg->hwnd, name, sizeof name);
    ++Counts().timers[{name, msg->wParam}];
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK FinishCounting(HWND, UINT, UINT_PTR, DWORD) {
  WakeCount& c = Counts();
  const double minutes = (NowMs() - c.startMs) / 60000.0;
  std::string out;
  int total = 0;
  for (const auto& [key, count] : c.timers) {
    char line[160];
    std::snprintf(line, sizeof line, "      %-26s timer %-5u %7.0f a minute\n", key.first.c_str(),
                  static_cast<unsigned>(key.second), count / minutes);
    out += line;
    total += count;
  }
  char line[96];
  std::snprintf(line, sizeof line, "%7.0f a minute\n", total / minutes);
  WriteText(c.resultFile, std::string(line) + out);
  rt::EndProgram(0);
}

}  // namespace

int HostWakeUps(int seconds, const std::string& resultFile) {
  app::StartProgram(rt::kRunModeProgram);
  WakeCount& c = Counts();
  c.resultFile = resultFile;
  c.seconds = seconds;
  // Counting starts once the start-up has settled.
  Pump(3000);
  c.timers.clear();
  c.startMs = NowMs();
  SetWindowsHookExA(WH_GETMESSAGE, &CountTimers, nullptr, GetCurrentThreadId());
  SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, &FinishCounting);
  rt::RunMessageLoop();
  return 0;
}

void CountWakeUps(const std::string& benchExe, int seconds) {
  std::printf("\nTimer wake-ups a minute in each mode (2 s interval, nothing else happening; %d s each)\n", seconds);
  struct Mode {
    const char* label;
    const char* show;
    bool paused;
  };
  const Mode modes[] = {{"title bar", "title", false},        {"mouse follow", "mouse", false},
                        {"balloon", "qipao", false},          {"agent", "agent", false},
                        {"title bar, paused", "title", true}, {"mouse, paused", "mouse", true}};
  for (const Mode& mode : modes) {
    TempDir dir;
    const std::string copy = dir.File("app_bench.exe");
    if (!CopyFileA(benchExe.c_str(), copy.c_str(), FALSE)) return;
    const std::string ini = dir.File("setup.ini");
    WritePrivateProfileStringA("lz", "show", mode.show, ini.c_str());
    if (mode.paused) {
      const app::PauseSpan span = app::SpanOf(app::PauseChoice::kHour, app::LocalNow());
      WritePrivateProfileStringA("lz", "pausefrom", span.from.c_str(), ini.c_str());
      WritePrivateProfileStringA("lz", "pause", span.until.c_str(), ini.c_str());
    }
    const std::string results = dir.File("wake.txt");
    std::string command = "\"" + copy + "\" --wake-host " + std::to_string(seconds) + " \"" + results + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.path().c_str(), &si,
                        &pi))
      return;
    CloseHandle(pi.hThread);
    if (WaitForSingleObject(pi.hProcess, static_cast<DWORD>(seconds + 30) * 1000) != WAIT_OBJECT_0)
      TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    std::printf("  %-18s", mode.label);
    FILE* f = std::fopen(results.c_str(), "rb");
    if (!f) {
      std::printf(" no figures\n");
      continue;
    }
    char buffer[1024];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) std::fwrite(buffer, 1, n, stdout);
    std::fclose(f);
  }
}

}  // namespace lizhi::bench
