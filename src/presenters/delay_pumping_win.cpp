// PumpingDelay through its DllCommand indexes: 8 CreateWaitableTimerA,
// 9 SetWaitableTimer, 10 MsgWaitForMultipleObjects, 11 CancelWaitableTimer.
#include <windows.h>

#include "presenters/delay.h"
#include "presenters/delay_rules.h"
#include "runtime/base/win_handles.h"
#include "runtime/frame/dll_command.h"
#include "runtime/frame/frame.h"

namespace lizhi::presenters {

namespace {

using rt::CallDll;

constexpr DWORD kWakeOnAnyInput = 0xFF;

// The delay's timer: cancelled, then closed, when the delay ends.
class DelayTimer {
 public:
  DelayTimer()
      : timer_(CallDll<decltype(&::CreateWaitableTimerA)>(rt::kDllCreateWaitableTimerA, nullptr, FALSE, nullptr)) {}
  ~DelayTimer() {
    if (timer_) CallDll<decltype(&::CancelWaitableTimer)>(rt::kDllCancelWaitableTimer, timer_.get());
  }
  DelayTimer(const DelayTimer&) = delete;
  DelayTimer& operator=(const DelayTimer&) = delete;
  explicit operator bool() const { return static_cast<bool>(timer_); }
  HANDLE get() const { return timer_.get(); }

 private:
  win::Handle timer_;
};

}  // namespace

void PumpingDelay(int32_t microseconds) {
  DelayTimer timer;
  if (!timer) return;
  LARGE_INTEGER due;
  due.QuadPart = RelativeDueTime(microseconds);
  if (!CallDll<decltype(&::SetWaitableTimer)>(rt::kDllSetWaitableTimer, timer.get(), &due, 0L, nullptr, nullptr,
                                              FALSE)) {
    return;  // a timer that never fires would wait for ever
  }
  HANDLE handle = timer.get();
  for (;;) {
    DWORD woken = CallDll<decltype(&::MsgWaitForMultipleObjects)>(rt::kDllMsgWaitForMultipleObjects, 1UL, &handle,
                                                                  FALSE, INFINITE, kWakeOnAnyInput);
    if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) break;
    rt::ProcessPendingMessages();
  }
}

}  // namespace lizhi::presenters
