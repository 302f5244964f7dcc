// TimedMessageBox through its DllCommand indexes: 6 MessageBoxA and
// 7 MessageBoxTimeoutA (a User32 export the headers do not declare).
//
// Some platforms (Wine among them) accept MessageBoxTimeoutA but ignore its
// time-out, so the program closes a box still open when the time-out passes
// itself: a thread timer, dispatched by the box's own modal loop, ends the box
// with the time-out code. Where the platform closes the box first, the timer
// finds no box and does nothing.
#include <windows.h>

#include <cstring>
#include <optional>
#include <vector>

#include "presenters/delay.h"
#include "presenters/delay_rules.h"
#include "runtime/base/win_handles.h"
#include "runtime/frame/dll_command.h"

extern "C" int WINAPI MessageBoxTimeoutA(HWND owner, LPCSTR text, LPCSTR title, UINT style, WORD language,
                                         DWORD milliseconds);

namespace lizhi::presenters {

namespace {

using rt::CallDll;

constexpr char kBoxClass[] = "#32770";

// One open timed box of this thread; nested boxes stack up, innermost last.
struct TimedBox {
  HWND box = nullptr;
  UINT_PTR timer = 0;
};

std::vector<TimedBox*>& OpenBoxes() {
  thread_local std::vector<TimedBox*> boxes;
  return boxes;
}

bool IsBoxWindow(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, kBoxClass) == 0;
}

// Notes the first box window made while the innermost timed box has none yet.
LRESULT CALLBACK WatchBoxCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && !OpenBoxes().empty()) {
    TimedBox* innermost = OpenBoxes().back();
    auto window = reinterpret_cast<HWND>(wParam);
    if (!innermost->box && IsBoxWindow(window)) innermost->box = window;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CloseTimedOutBox(HWND, UINT, UINT_PTR timer, DWORD) {
  for (TimedBox* open : OpenBoxes()) {
    if (open->timer != timer) continue;
    if (open->box && IsWindow(open->box)) {
      KillTimer(nullptr, timer);
      open->timer = 0;
      EndDialog(open->box, kBoxTimeoutCode);
    }
    return;  // no box yet: the next tick tries again
  }
}

// Watches for the box from before it is made until the call returns.
class BoxWatch {
 public:
  explicit BoxWatch(int32_t timeoutMs)
      : hook_(SetWindowsHookExA(WH_CBT, &WatchBoxCreation, nullptr, GetCurrentThreadId())) {
    entry_.timer = SetTimer(nullptr, 0, static_cast<UINT>(timeoutMs), &CloseTimedOutBox);
    OpenBoxes().push_back(&entry_);
  }
  ~BoxWatch() {
    if (entry_.timer) KillTimer(nullptr, entry_.timer);
    std::vector<TimedBox*>& boxes = OpenBoxes();
    for (auto it = boxes.begin(); it != boxes.end(); ++it) {
      if (*it == &entry_) {
        boxes.erase(it);
        break;
      }
    }
  }
  BoxWatch(const BoxWatch&) = delete;
  BoxWatch& operator=(const BoxWatch&) = delete;

 private:
  win::Hook hook_;
  TimedBox entry_;
};

}  // namespace

int32_t TimedMessageBox(const char* text, uint32_t style, const char* title, void* owner, int32_t timeoutMs) {
  if (!title) title = kDefaultBoxTitle;
  if (!text) text = "";
  HWND ownerWindow = static_cast<HWND>(owner);
  int button;
  if (timeoutMs == 0) {
    button = CallDll<decltype(&::MessageBoxA)>(rt::kDllMessageBoxA, ownerWindow, text, title, UINT{style});
  } else {
    // A negative time-out reaches the platform as a very long one; the
    // program's own watch keeps to real time-outs.
    std::optional<BoxWatch> watch;
    if (timeoutMs > 0) watch.emplace(timeoutMs);
    button = CallDll<decltype(&::MessageBoxTimeoutA)>(rt::kDllMessageBoxTimeoutA, ownerWindow, text, title, UINT{style},
                                                      WORD{0}, static_cast<DWORD>(timeoutMs));
  }
  return BoxResult(button);
}

}  // namespace lizhi::presenters
