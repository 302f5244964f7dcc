// The balloon mode as a user sees it: with "show" = "qipao" each line shows in
// a balloon above and to the left of lizhi's tray icon, the next tick's line
// replaces it, and choosing "标题栏显示" from the tray menu takes it down.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "e2e/support/app_session_win.h"

namespace lizhi::test {
namespace {

TEST(AppBalloon, EachLineShowsInABalloonAtTheTrayIconUntilTheTitleBarModeIsChosen) {
  AppSession app;
  app.Store("show", "qipao");
  app.Store("rand", "f");  // consecutive lines differ
  app.Store("time", "3");
  ASSERT_TRUE(app.Start());
  ForegroundWindow own(100, 100, 200, 100);

  HWND balloon = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] { return (balloon = TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true)) != nullptr; }, 15000));
  RECT first;
  GetWindowRect(balloon, &first);
  if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) {
    RECT bar;
    GetWindowRect(taskbar, &bar);
    // Above-left of the icon: the anchor's tip, at the bottom right, touches
    // the icon in the taskbar's notification area, its right half (the shadow
    // adds a few pixels below). Icons of programs that ended earlier may linger
    // to the right of lizhi's, so it need not be the last one.
    EXPECT_GE(first.bottom, bar.top);
    EXPECT_LE(first.bottom, bar.bottom + 8);
    EXPECT_LE(first.right, bar.right + 8);
    EXPECT_GT(first.right, (bar.left + bar.right) / 2);
  }
  const std::vector<uint32_t> firstPixels = CaptureScreen(first);

  // The next tick: a new line in the balloon.
  EXPECT_TRUE(WaitUntil(
      [&] {
        HWND now = TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true);
        if (!now) return false;
        RECT r;
        GetWindowRect(now, &r);
        return !EqualRect(&r, &first) || CaptureScreen(r) != firstPixels;
      },
      15000));

  // "标题栏显示" from the tray menu: the click in the menu takes the balloon down.
  HWND icon = TrayIconWindow(app.window);
  ASSERT_NE(icon, nullptr);
  PostTrayMouse(icon, WM_LBUTTONUP);
  HWND popup = WaitForPopupMenu(app.lizhi.pid(), 8000);
  ASSERT_NE(popup, nullptr);
  RECT menu;
  GetWindowRect(popup, &menu);
  ClickAt(menu.left + 30, menu.top + 10);  // the first entry
  EXPECT_TRUE(app.WaitForStored("show", "title", 8000));
  EXPECT_TRUE(WaitUntil([&] { return TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true) == nullptr; }, 5000));
  // And no balloon comes back at the following ticks.
  PumpFor(4000);
  EXPECT_EQ(TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true), nullptr);
}

}  // namespace
}  // namespace lizhi::test
