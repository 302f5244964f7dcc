// What an unplayable music file costs under Wine: the player is made through
// its module as the program makes it when "play" is stored (endless repeat)
// and given a file with no MPEG audio in it. Prints, for each 10-second slice
// of the run, the process's CPU share of one core and the play cycles that
// ended in it (counted by the progress message 100 a notify window receives),
// and whether the player has given up by the end.
//   player_garbage_bench.exe [seconds] [file]   (default 60 s, a file of garbage)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "runtime/base/win_handles.h"
#include "runtime/music/lazy_module.h"
#include "runtime/music/player_entries.h"
#include "runtime/music/progress_notify.h"

namespace {

using namespace lizhi;

int g_cyclesEnded = 0;

LRESULT CALLBACK CountEnds(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == music::kProgressMessage && wParam == 100) ++g_cyclesEnded;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double ProcessCpuSeconds() {
  FILETIME created, ended, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return 0;
  const auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

template <class Fn>
Fn Entry(const music::LazyModule& module, const char* name) {
  return reinterpret_cast<Fn>(module.lookup(name));
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // each slice shows as it ends
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  std::string path = argc > 2 ? argv[2] : "";
  if (path.empty()) {
    // Bytes without a single frame sync: what a renamed document or a broken download looks like.
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    path = std::string(dir) + "lizhi_garbage.mp3";
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 200000; ++i) out.put(static_cast<char>((i * 37 + 11) % 251));
  }

  WNDCLASSA wc{};
  wc.lpfnWndProc = CountEnds;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "LizhiGarbageBench";
  RegisterClassA(&wc);
  lizhi::win::Window window(
      CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));

  const music::LazyModule& module = music::MusicPlayerModule();
  if (!module.init()) return 1;
  const auto create = Entry<music::CreatePlayerFn>(module, "CreatePlayer");
  const auto newPlay = Entry<music::NewPlayFn>(module, "NewPlay");
  const auto state = Entry<music::GetPlayStateFn>(module, "GetPlayState");
  const auto remove = Entry<music::RemovePlayerFn>(module, "RemovePlayer");
  if (!create || !newPlay || !state || !remove) return 1;

  std::printf("file: %s, %d s\n", path.c_str(), seconds);
  const std::string names = path + '\0' + '\0';
  const uintptr_t player = create(names.c_str(), 0);
  newPlay(player, reinterpret_cast<uintptr_t>(window.get()), nullptr, 0);
  const DWORD start = GetTickCount();
  double cpuBefore = ProcessCpuSeconds();
  int cyclesBefore = 0;
  for (int slice = 1; slice * 10 <= seconds; ++slice) {
    while (GetTickCount() - start < static_cast<DWORD>(slice) * 10000) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    const double cpu = ProcessCpuSeconds();
    std::printf("%3d-%3d s: CPU %6.2f %% of one core, cycles ended %d\n", (slice - 1) * 10, slice * 10,
                10.0 * (cpu - cpuBefore), g_cyclesEnded - cyclesBefore);
    cpuBefore = cpu;
    cyclesBefore = g_cyclesEnded;
  }
  std::printf("cycles ended: %d; player state at the end: %d (0 = stopped, gave up)\n", g_cyclesEnded, state(player));
  remove(player);
  window.reset();
  return 0;
}
