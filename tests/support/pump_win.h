// Waiting on this thread while its window messages are dispatched, for tests
// under Wine.
#pragma once
#include <windows.h>

namespace lizhi::test {

// Dispatches this thread's messages for `ms` milliseconds.
inline void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(2);
  } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// Dispatches messages until `done()` holds or `ms` milliseconds have passed;
// the last answer of `done()`.
template <typename Done>
bool PumpUntil(Done done, DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (!done()) {
    if (static_cast<LONG>(end - GetTickCount()) <= 0) return done();
    PumpFor(10);
  }
  return true;
}

template <typename Done>
bool WaitUntil(Done done, DWORD ms) {
  return PumpUntil(done, ms);
}

}  // namespace lizhi::test
