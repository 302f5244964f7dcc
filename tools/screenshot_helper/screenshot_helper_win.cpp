// Run by scripts/screenshots inside lizhi's Wine session:
//   screenshot_helper windows  prints lizhi's visible top-level windows, one
//                              "window <class> <left> <top> <right> <bottom>"
//                              line each, followed by "region <l> <t> <r> <b>"
//                              lines (screen pixels) for a shaped window
//   screenshot_helper foreground prints the foreground window's "window" line
//   screenshot_helper move L T W H places the foreground window there
//   screenshot_helper menu X Y opens lizhi's tray menu with the cursor at X, Y,
//                              as a click on the tray icon does
//   screenshot_helper command N chooses the tray menu's record N, as a click on
//                              that item does
//   screenshot_helper end      asks lizhi to end, as its own exit does
// Exits with 1 when no lizhi runs.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/base/win_handles.h"

namespace {

constexpr UINT kTrayCallbackMessage = 0x8064;  // lizhi's tray icon callback
constexpr UINT kEndRequestMessage = 0x83E7;    // answered by lizhi's message window
constexpr int kFirstMenuCommand = 20000;       // the command id of the menu's record 0

struct Search {
  DWORD pid;
};

void PrintRegion(HWND window, const RECT& frame) {
  lizhi::win::Region owned(CreateRectRgn(0, 0, 0, 0));
  HRGN region = owned.get();
  if (GetWindowRgn(window, region) != ERROR) {
    std::vector<char> buffer(GetRegionData(region, 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (!buffer.empty() && GetRegionData(region, static_cast<DWORD>(buffer.size()), data)) {
      const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
      for (DWORD i = 0; i < data->rdh.nCount; ++i)
        std::printf("region %ld %ld %ld %ld\n", frame.left + rects[i].left, frame.top + rects[i].top,
                    frame.left + rects[i].right, frame.top + rects[i].bottom);
    }
  }
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != reinterpret_cast<Search*>(param)->pid || !IsWindowVisible(window)) return TRUE;
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  RECT frame{};
  GetWindowRect(window, &frame);
  if (frame.right <= frame.left || frame.bottom <= frame.top) return TRUE;
  std::printf("window %s %ld %ld %ld %ld\n", name, frame.left, frame.top, frame.right, frame.bottom);
  PrintRegion(window, frame);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "foreground") == 0) {
    HWND window = GetForegroundWindow();
    RECT frame{};
    if (!window || !GetWindowRect(window, &frame)) return 1;
    char name[128] = {};
    GetClassNameA(window, name, sizeof name);
    std::printf("window %s %ld %ld %ld %ld\n", name, frame.left, frame.top, frame.right, frame.bottom);
    return 0;
  }
  if (argc == 6 && std::strcmp(argv[1], "move") == 0) {
    HWND window = GetForegroundWindow();
    return window && MoveWindow(window, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                                TRUE)
               ? 0
               : 1;
  }
  if (argc >= 2 && std::strcmp(argv[1], "end") == 0) {
    HWND messages = FindWindowA("LizhiRuntimeMessageWindow", nullptr);
    return messages && PostMessageA(messages, kEndRequestMessage, 0, 0) ? 0 : 1;
  }
  HWND startup = FindWindowA("LizhiWindow", nullptr);
  if (!startup || argc < 2) return 1;
  if (std::strcmp(argv[1], "windows") == 0) {
    Search search{0};
    GetWindowThreadProcessId(startup, &search.pid);
    EnumWindows(&PrintWindow, reinterpret_cast<LPARAM>(&search));
    return 0;
  }
  if (std::strcmp(argv[1], "menu") == 0 && argc == 4) {
    HWND icon = FindWindowExA(startup, nullptr, "LizhiTrayIcon", nullptr);
    if (!icon) return 1;
    SetCursorPos(std::atoi(argv[2]), std::atoi(argv[3]));
    PostMessageA(icon, kTrayCallbackMessage, reinterpret_cast<WPARAM>(icon), WM_RBUTTONUP);
    return 0;
  }
  if (std::strcmp(argv[1], "command") == 0 && argc == 3) {
    WPARAM command = MAKEWPARAM(kFirstMenuCommand + std::atoi(argv[2]), 0);
    return PostMessageA(startup, WM_COMMAND, command, 0) ? 0 : 1;
  }
  return 1;
}
