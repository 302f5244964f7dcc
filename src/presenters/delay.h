// Waiting without freezing the GUI thread: a delay that keeps handling window
// messages, and a message box that closes itself after a time-out.
#pragma once
#include <cstdint>

namespace lizhi::presenters {

// Waits `microseconds` on a waitable timer while pending window messages are
// processed, so handlers may run inside the wait. Returns at once when no
// timer can be made or the wait itself fails.
void PumpingDelay(int32_t microseconds);

// The box's button id minus 1: OK 0, Cancel 1, Abort 2, Retry 3, Ignore 4,
// Yes 5, No 6; a box closed by its time-out gives kBoxTimedOut.
constexpr int32_t kBoxTimeoutCode = 32000;  // what MessageBoxTimeout returns then
constexpr int32_t kBoxTimedOut = kBoxTimeoutCode - 1;

// `timeoutMs` 0 (or less) never closes by itself; null title: "信息".
int32_t TimedMessageBox(const char* text, uint32_t style = 0, const char* title = nullptr, void* owner = nullptr,
                        int32_t timeoutMs = 0);

}  // namespace lizhi::presenters
