#include <windows.h>

#include <gtest/gtest.h>

#include "app/full_screen.h"
#include "runtime/base/win_handles.h"
#include "support/pump_win.h"

namespace lizhi::app {
namespace {

int32_t AcceptsNotifications() { return 5; }  // what Wine's stub always answers

// A window of this test in front, with the given style over the given area.
class FrontWindow {
 public:
  FrontWindow(DWORD style, const RECT& r) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "LizhiFullScreenTest";
    RegisterClassA(&wc);
    window_.reset(CreateWindowExA(0, wc.lpszClassName, "front", style, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr));
    ShowWindow(window_.get(), (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
    SetForegroundWindow(window_.get());
    test::PumpFor(300);
  }
  HWND handle() const { return window_.get(); }

 private:
  win::Window window_;
};

RECT MonitorRect() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcMonitor;
}

TEST(FullScreenWin, OnlyACaptionlessWindowCoveringItsMonitorCounts) {
  const RECT screen = MonitorRect();
  const RECT inner{screen.left + 50, screen.top + 50, screen.right - 50, screen.bottom - 50};
  struct Case {
    const char* what;
    DWORD style;
    RECT area;
    bool fullScreen;
  } cases[] = {
      {"captionless over the whole monitor", WS_POPUP, screen, true},
      {"captionless, smaller than the monitor", WS_POPUP, inner, false},
      {"with a caption over the whole monitor", WS_OVERLAPPEDWINDOW, screen, false},
      {"maximised", WS_OVERLAPPEDWINDOW | WS_MAXIMIZE, inner, false},
  };
  for (const Case& c : cases) {
    FrontWindow front(c.style, c.area);
    ASSERT_EQ(GetForegroundWindow(), front.handle()) << c.what;
    EXPECT_EQ(UserInFullScreen(&AcceptsNotifications), c.fullScreen) << c.what;
  }
}

TEST(FullScreenWin, TheShellsBusyStatesCountOverANormalWindow) {
  FrontWindow front(WS_OVERLAPPEDWINDOW, {100, 100, 600, 400});
  static int32_t state;
  NotificationStateQuery fake = [] { return state; };
  // QUNS_NOT_PRESENT 1, BUSY 2, RUNNING_D3D_FULL_SCREEN 3, PRESENTATION_MODE 4,
  // ACCEPTS_NOTIFICATIONS 5, QUIET_TIME 6, APP 7; 0 when the query failed.
  const bool busy[] = {false, false, true, true, true, false, false, false};
  for (state = 0; state < 8; ++state) EXPECT_EQ(UserInFullScreen(fake), busy[state]) << "state " << state;
  EXPECT_EQ(ShellNotificationState(), 5) << "Wine's stub, or a desktop that accepts notifications";
}

// Wine has no NtQueryWnfStateData: the real query answers "off" there, and
// the facts carry whatever the fakes answer.
TEST(FullScreenWin, DoNotDisturbComesThroughItsQueryAndIsOffWhereTheCallIsMissing) {
  EXPECT_EQ(FocusAssistProfile(), 0);
  static int32_t profile;
  FocusAssistQuery fake = [] { return profile; };
  for (profile = 0; profile < 4; ++profile) EXPECT_EQ(ReadAttention(&AcceptsNotifications, fake).focusAssist, profile);
  AttentionFacts facts = ReadAttention(&AcceptsNotifications, &FocusAssistProfile);
  EXPECT_EQ(facts.notificationState, 5);
  EXPECT_EQ(facts.focusAssist, 0);
}

}  // namespace
}  // namespace lizhi::app
