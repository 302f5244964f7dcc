// The application under Wine: time from start until the tray icon shows, the
// cost of one display tick in the title-bar mode, and memory, GDI and USER
// objects after 1,000 ticks at 10 ms against after 10. Prints figures only.
// Each figure of lizhi.exe comes with the same figure of a minimal tray program
// measured beside it.
//   wine app_bench.exe [starts] [direct ticks]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench_parts.h"
#include "bench_support_win.h"

int main(int argc, char** argv) {
  using namespace lizhi::bench;
  if (argc >= 4 && std::strcmp(argv[1], "--tick-host") == 0) return HostTicks(std::atoi(argv[2]), argv[3]);
  if (argc >= 4 && std::strcmp(argv[1], "--wake-host") == 0) return HostWakeUps(std::atoi(argv[2]), argv[3]);
  const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const int directTicks = argc > 2 ? std::max(10, std::atoi(argv[2])) : 500;
  const std::string dir = ModuleDirectory();
  std::printf("lizhi application benchmark (Wine, %dx%d screen)\n", GetSystemMetrics(SM_CXSCREEN),
              GetSystemMetrics(SM_CYSCREEN));
  TimeStartToIcon(dir + "\\lizhi.exe", dir + "\\minimal_tray.exe", starts);
  CompareMemory(dir + "\\lizhi.exe", dir + "\\minimal_tray.exe", 3);
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  RunTickHost(self, directTicks);
  WatchLizhiGrowth(dir + "\\lizhi.exe");
  CountWakeUps(self, 20);
  return 0;
}
