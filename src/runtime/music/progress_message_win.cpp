#include "runtime/music/progress_message_win.h"

#include <windows.h>

#include "runtime/music/progress_notify.h"

namespace lizhi::music {

void PostProgressMessage(uintptr_t window, int percent) {
  const HWND hwnd = reinterpret_cast<HWND>(window);
  if (hwnd != nullptr && IsWindow(hwnd)) {
    PostMessageA(hwnd, kProgressMessage, static_cast<WPARAM>(percent), 0);
  }
}

}  // namespace lizhi::music
