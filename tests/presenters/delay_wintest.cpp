// The pumping delay and the timed message box under Wine, whose
// MessageBoxTimeoutA ignores its time-out: the program closes the box itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "presenters/delay.h"
#include "runtime/base/win_handles.h"

namespace lizhi::presenters {
namespace {

constexpr char kDefaultTitle[] = "\xD0\xC5\xCF\xA2";  // 信息

// Plays the user: waits for a box with this caption, keeps it open for
// `holdMs`, then presses a button.
class BoxDriver {
 public:
  BoxDriver(const char* title, int button, DWORD holdMs)
      : thread_([this, title, button, holdMs] {
          HWND box = nullptr;
          for (int i = 0; i < 500 && !box && !stop_; ++i) {
            box = FindWindowA("#32770", title);
            if (!box) Sleep(10);
          }
          if (!box) return;
          found_ = true;
          Sleep(holdMs);
          if (IsWindow(box)) PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }) {}
  ~BoxDriver() {
    stop_ = true;
    thread_.join();
  }
  BoxDriver(const BoxDriver&) = delete;
  BoxDriver& operator=(const BoxDriver&) = delete;
  bool found() const { return found_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<bool> found_{false};
  std::thread thread_;
};

DWORD Since(DWORD start) { return GetTickCount() - start; }

TEST(TimedBox, ClosesItselfWhenTheTimeOutPassesWithTheTimeOutCodeMinusOne) {
  DWORD start = GetTickCount();
  int32_t result = TimedMessageBox("closes by itself", MB_OKCANCEL, "LizhiTimedBoxAlone", nullptr, 1000);
  DWORD took = Since(start);
  EXPECT_EQ(result, kBoxTimedOut);
  EXPECT_EQ(result, 31999);
  EXPECT_GE(took, 900u);
  EXPECT_LT(took, 5000u);
  EXPECT_EQ(FindWindowA("#32770", "LizhiTimedBoxAlone"), nullptr);
}

TEST(TimedBox, OkGivesZeroAndCancelOne) {
  {
    BoxDriver driver("LizhiTimedBoxOk", IDOK, 50);
    EXPECT_EQ(TimedMessageBox("press OK", MB_OKCANCEL, "LizhiTimedBoxOk", nullptr, 20000), 0);
    EXPECT_TRUE(driver.found());
  }
  {
    BoxDriver driver("LizhiTimedBoxCancel", IDCANCEL, 50);
    EXPECT_EQ(TimedMessageBox("press Cancel", MB_OKCANCEL, "LizhiTimedBoxCancel", nullptr, 20000), 1);
  }
}

TEST(TimedBox, TimeOutZeroNeverClosesByItself) {
  BoxDriver driver(kDefaultTitle, IDOK, 1500);
  DWORD start = GetTickCount();
  EXPECT_EQ(TimedMessageBox("stays until pressed"), 0);  // default caption 信息
  EXPECT_TRUE(driver.found());
  EXPECT_GE(Since(start), 1400u);
}

TEST(TimedBox, BoxClosedEarlyLeavesNoTimeOutBehindForTheNextBox) {
  {
    BoxDriver driver("LizhiTimedBoxEarly", IDCANCEL, 50);
    EXPECT_EQ(TimedMessageBox("closed early", MB_OKCANCEL, "LizhiTimedBoxEarly", nullptr, 600), 1);
  }
  // Open past the first box's time-out: nothing may close this one.
  BoxDriver driver("LizhiTimedBoxNext", IDOK, 1200);
  DWORD start = GetTickCount();
  EXPECT_EQ(TimedMessageBox("next", MB_OKCANCEL, "LizhiTimedBoxNext", nullptr, 0), 0);
  EXPECT_GE(Since(start), 1100u);
}

// Counts WM_TIMER messages of a window, as any handler running inside the delay.
int g_ticks = 0;
LRESULT CALLBACK TickProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_TIMER) ++g_ticks;
  return DefWindowProcA(w, m, wp, lp);
}

TEST(DelayPumping, WaitsItsTimeWhileMessagesAreHandled) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &TickProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "LizhiDelayTicks";
  RegisterClassA(&wc);
  win::Window window(CreateWindowExA(0, "LizhiDelayTicks", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr));
  ASSERT_NE(window.get(), nullptr);
  SetTimer(window.get(), 1, 20, nullptr);
  g_ticks = 0;
  DWORD start = GetTickCount();
  PumpingDelay(300000);  // 0.3 s
  DWORD took = Since(start);
  KillTimer(window.get(), 1);
  window.reset();
  EXPECT_GE(took, 280u);
  EXPECT_LT(took, 2000u);
  EXPECT_GE(g_ticks, 5) << "timer messages were not handled during the wait";
}

TEST(DelayPumping, ShortAndEmptyDelaysReturnPromptly) {
  DWORD start = GetTickCount();
  PumpingDelay(10);
  PumpingDelay(0);
  PumpingDelay(-5);
  EXPECT_LT(Since(start), 500u);
}

TEST(DelayPumping, PostedMessageIsHandledBeforeTheDelayReturns) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &TickProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "LizhiDelayTicks";
  RegisterClassA(&wc);
  win::Window window(CreateWindowExA(0, "LizhiDelayTicks", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr));
  g_ticks = 0;
  // Posted from another thread while the delay waits, like a click on the tray.
  std::thread poster([hwnd = window.get()] {
    Sleep(50);
    PostMessageA(hwnd, WM_TIMER, 7, 0);
  });
  PumpingDelay(200000);
  poster.join();
  EXPECT_EQ(g_ticks, 1);
  window.reset();
}

}  // namespace
}  // namespace lizhi::presenters
