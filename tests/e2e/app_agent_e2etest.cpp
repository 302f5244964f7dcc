// The agent mode as a user sees it where no agent server exists (Wine, and
// Windows 7 and later): choosing "精灵显示" brings up our own character near
// the bottom-right corner, shaped, topmost and without taking the activation;
// it speaks each line in a balloon at its head, a click on it opens the tray
// menu, a double click makes it wave, and choosing another mode takes it away.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/support/app_session_win.h"
#include "runtime/base/win_handles.h"

namespace lizhi::test {
namespace {

constexpr char kCharacterClass[] = "LizhiCharacter";
constexpr char kBalloonClass[] = "LizhiBalloonTip";

HWND WaitForVisible(DWORD pid, const char* className, DWORD ms) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = TopWindowOfClass(pid, className, true)) != nullptr; }, ms);
  return found;
}

TEST(AppAgent, OurCharacterShowsSpeaksEachLineOpensTheMenuAndLeavesWithTheMode) {
  AppSession app;
  app.Store("rand", "f");
  app.Store("time", "2");
  ASSERT_TRUE(app.Start());
  ForegroundWindow own(100, 100, 200, 100);
  PumpFor(200);
  ASSERT_EQ(GetForegroundWindow(), own.handle());

  PostMenuCommand(app.window, kAgentItem);
  HWND character = WaitForVisible(app.lizhi.pid(), kCharacterClass, 2000);
  ASSERT_NE(character, nullptr) << "within one interval";
  EXPECT_TRUE(app.WaitForStored("show", "agent"));
  RECT c;
  GetWindowRect(character, &c);
  EXPECT_EQ(c.left, GetSystemMetrics(SM_CXSCREEN) - 200);
  EXPECT_EQ(c.top, GetSystemMetrics(SM_CYSCREEN) - 200);
  win::Region region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(character, region.get()), COMPLEXREGION);
  region.reset();
  EXPECT_TRUE(GetWindowLongA(character, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetForegroundWindow(), own.handle()) << "the character never takes the activation";

  // Each tick: a balloon at the head, then another line in it.
  HWND balloon = WaitForVisible(app.lizhi.pid(), kBalloonClass, 5000);
  ASSERT_NE(balloon, nullptr);
  RECT b;
  GetWindowRect(balloon, &b);
  EXPECT_LT(b.left, c.right);
  EXPECT_GT(b.right, c.left);
  EXPECT_LE(b.bottom, c.top + (c.bottom - c.top) / 3 + 8) << "above the character, pointing at its head";
  const std::vector<uint32_t> firstPixels = CaptureScreen(b);
  EXPECT_TRUE(WaitUntil(
      [&] {
        HWND now = TopWindowOfClass(app.lizhi.pid(), kBalloonClass, true);
        RECT r{};
        if (now) GetWindowRect(now, &r);
        return now && (!EqualRect(&r, &b) || CaptureScreen(r) != firstPixels);
      },
      6000));
  EXPECT_EQ(GetForegroundWindow(), own.handle());

  // A click on its body: the tray menu, once the double-click time is over.
  ClickAt((c.left + c.right) / 2, c.top + (c.bottom - c.top) * 2 / 3);
  HWND popup = WaitForPopupMenu(app.lizhi.pid(), 5000);
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(ClosePopupMenu(popup));

  // A double click: the greeting (the waving arm changes the outline), no menu.
  win::Region idle(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(character, idle.get());
  ClickAt((c.left + c.right) / 2, c.top + (c.bottom - c.top) * 2 / 3);
  ClickAt((c.left + c.right) / 2, c.top + (c.bottom - c.top) * 2 / 3);
  EXPECT_TRUE(WaitUntil(
      [&] {
        win::Region now(CreateRectRgn(0, 0, 0, 0));
        return GetWindowRgn(character, now.get()) == COMPLEXREGION && !EqualRgn(now.get(), idle.get());
      },
      1000));
  idle.reset();
  EXPECT_EQ(WaitForPopupMenu(app.lizhi.pid(), GetDoubleClickTime() + 500), nullptr);

  // Another mode takes the character and its balloon away.
  PostMenuCommand(app.window, kTitleBarItem);
  EXPECT_TRUE(app.WaitForStored("show", "title"));
  EXPECT_TRUE(WaitUntil([&] { return TopWindowOfClass(app.lizhi.pid(), kCharacterClass, true) == nullptr; }, 3000));
  PumpFor(2500);
  EXPECT_EQ(TopWindowOfClass(app.lizhi.pid(), kCharacterClass, true), nullptr);
  EXPECT_EQ(TopWindowOfClass(app.lizhi.pid(), kBalloonClass, true), nullptr);
}

TEST(AppAgent, StoredAgentModeShowsTheCharacterAtStart) {
  AppSession app;
  app.Store("show", "agent");
  ASSERT_TRUE(app.Start());
  HWND character = WaitForVisible(app.lizhi.pid(), kCharacterClass, 5000);
  ASSERT_NE(character, nullptr);
  RECT c;
  GetWindowRect(character, &c);
  EXPECT_EQ(c.left, GetSystemMetrics(SM_CXSCREEN) - 200);
  EXPECT_EQ(c.top, GetSystemMetrics(SM_CYSCREEN) - 200);
}

}  // namespace
}  // namespace lizhi::test
