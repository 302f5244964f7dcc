// The pause as a user meets it: the submenu in the tray menu, "30 分钟" that
// stops the lines and greys the icon, "继续" that brings them back, and a
// stored pause across a restart.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/pause.h"
#include "e2e/support/app_session_win.h"

namespace lizhi::test {
namespace {

using namespace caption;

// Pixels of the red disc of lizhi's icon (and of any other red icon) in the
// taskbar's notification end.
int RedIconPixels() {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (!taskbar) return -1;
  RECT bar;
  GetWindowRect(taskbar, &bar);
  const RECT area{std::max(bar.left, bar.right - 300), bar.top, bar.right, bar.bottom};
  return CountScreenPixels(area, [](COLORREF rgb) {
    const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r > 150 && g < 100 && b < 100;
  });
}

// The visible pop-up menu window of the process other than `parent`.
HWND WaitForSubmenu(DWORD pid, HWND parent, DWORD ms) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND w = FindWindowExA(nullptr, nullptr, "#32768", nullptr); w;
             w = FindWindowExA(nullptr, w, "#32768", nullptr)) {
          DWORD owner = 0;
          GetWindowThreadProcessId(w, &owner);
          if (owner == pid && w != parent && IsWindowVisible(w)) return (found = w) != nullptr;
        }
        return false;
      },
      ms);
  return found;
}

void PressKey(HWND popup, WPARAM key) {
  PostMessageA(popup, WM_KEYDOWN, key, 0);
  PumpFor(60);
}

// The tray menu with the pause entry, then its submenu opened from the
// keyboard. The key that opens it highlights its first entry and the key up
// its last, so each entry is compared once unhighlighted.
void ExpectPauseSubmenu(AppSession& app, const std::vector<MenuLine>& menu, const std::vector<MenuLine>& submenu) {
  HWND icon = TrayIconWindow(app.window);
  ASSERT_TRUE(icon);
  SetCursorPos(900, 100);
  PostTrayMouse(icon, WM_LBUTTONUP);
  HWND popup = WaitForPopupMenu(app.lizhi.pid(), 5000);
  ASSERT_TRUE(popup);
  std::optional<MenuPicture> shown = CaptureMenu(popup), expected = ReferenceMenu(menu);
  ASSERT_TRUE(shown && expected);
  EXPECT_TRUE(DifferingEntries(*shown, *expected).empty()) << "the tray menu with 暂停 between 间隔时间 and 播放音乐";

  // 暂停 is the eighth entry that takes the highlight.
  for (int i = 0; i < 8; ++i) PressKey(popup, VK_DOWN);
  PressKey(popup, VK_RIGHT);
  HWND sub = WaitForSubmenu(app.lizhi.pid(), popup, 3000);
  ASSERT_TRUE(sub) << "暂停 opens a submenu";
  std::optional<MenuPicture> reference = ReferenceMenu(submenu);
  std::optional<MenuPicture> first = CaptureMenu(sub);
  PressKey(sub, VK_UP);
  std::optional<MenuPicture> last = CaptureMenu(sub);
  ASSERT_TRUE(reference && first && last);
  const size_t lastEntry = submenu.size() - 1;
  for (size_t e : DifferingEntries(*first, *reference)) EXPECT_EQ(e, 0u) << "submenu entry " << e;
  for (size_t e : DifferingEntries(*last, *reference)) EXPECT_EQ(e, lastEntry) << "submenu entry " << e;
  PressKey(sub, VK_ESCAPE);
  ClosePopupMenu(popup);
  PumpFor(300);
}

// A stored pause of one hour from now, or from this time a year ago.
void StorePause(AppSession& app, bool aYearAgo) {
  app::LocalTime at = app::LocalNow();
  if (aYearAgo) at.year -= 1;
  app::PauseSpan span = app::SpanOf(app::PauseChoice::kHour, at);
  app.Store("pausefrom", span.from.c_str());
  app.Store("pause", span.until.c_str());
}

TEST(AppPauseE2E, PauseStopsTheLinesAndGreysTheIconResumeAndRestartsFollowTheStoredPause) {
  AppSession app;
  app.Store("show", "mouse");
  app.Store("time", "0.5");
  ForegroundWindow own(100, 100, 200, 100);  // the desktop's taskbar shows with a window of this process
  SetCursorPos(300, 200);
  ASSERT_TRUE(app.Start());
  ASSERT_EQ(WatchStripLine(app.window, 4000, 2).size(), 2u) << "lines before the pause";
  ExpectPauseSubmenu(app, TrayMenuLines({kMouseFollow, kRandom}), PauseMenuLines(false));
  ASSERT_TRUE(WaitUntil([&] { return RedIconPixels() > 30; }, 5000)) << "lizhi's red icon in the taskbar";
  const int redBefore = RedIconPixels();

  PostMenuCommand(app.window, kPauseHalfHourItem);
  ASSERT_TRUE(WaitUntil([&] { return app.Stored("pause") != "<none>"; }, 5000));
  EXPECT_EQ(app.Stored("pause").size(), 16u) << app.Stored("pause");
  EXPECT_EQ(app.Stored("pausefrom").size(), 16u) << app.Stored("pausefrom");
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(app.window) == FALSE; }, 3000)) << "the strip comes down";
  EXPECT_TRUE(WatchStripLine(app.window, 2500).empty()) << "no line while paused";
  EXPECT_FALSE(IsWindowVisible(app.window));
  EXPECT_TRUE(WaitUntil([&] { return RedIconPixels() + 30 < redBefore; }, 3000))
      << "the icon is grey: red pixels " << RedIconPixels() << " of " << redBefore;
  ExpectPauseSubmenu(app, TrayMenuLines({kMouseFollow, kRandom}, true), PauseMenuLines(true));

  PostMenuCommand(app.window, kResumeItem);
  ASSERT_TRUE(WaitUntil([&] { return app.Stored("pause") == "<none>"; }, 5000));
  EXPECT_EQ(app.Stored("pausefrom"), "<none>");
  EXPECT_EQ(WatchStripLine(app.window, 4000, 2).size(), 2u) << "lines again after 继续";
  EXPECT_TRUE(WaitUntil([&] { return RedIconPixels() + 10 >= redBefore; }, 3000)) << "the icon in colour again";

  // Restarts: a pause stored for the coming hour stays quiet, one that ended
  // a year ago shows lines and is forgotten.
  for (bool future : {true, false}) {
    app.lizhi.Kill();
    StorePause(app, !future);
    ChildProcess again;
    ASSERT_TRUE(again.Start(BuildFile("lizhi.exe"), app.dir.path()));
    HWND window = again.FindWindowOfClass("LizhiWindow", 15000);
    ASSERT_TRUE(window);
    std::vector<LineChange> lines = WatchStripLine(window, 3000, 2);
    if (future) {
      EXPECT_TRUE(lines.empty()) << "a stored pause holds across a restart";
      EXPECT_FALSE(IsWindowVisible(window));
    } else {
      EXPECT_EQ(lines.size(), 2u) << "a pause in the past is no pause";
      EXPECT_EQ(app.Stored("pause"), "<none>");
    }
    again.Kill();
  }
}

}  // namespace
}  // namespace lizhi::test
