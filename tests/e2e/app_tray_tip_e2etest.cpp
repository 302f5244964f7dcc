// The tray tip as a user reads it: resting the mouse on lizhi's icon in the
// taskbar shows "正在播放:<<" + the text's title + ">>".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/support/app_desktop_win.h"
#include "e2e/support/lizhi_process_win.h"

namespace lizhi::test {
namespace {

// 正在播放:<<励志文本>>
const std::string kFirstStartTip = "\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5:<<\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE>>";

struct TipSearch {
  std::string text;
};

BOOL CALLBACK ReadVisibleTooltip(HWND window, LPARAM param) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, "tooltips_class32") != 0 || !IsWindowVisible(window)) return TRUE;
  char text[256] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000, &copied);
  if (text[0]) {
    reinterpret_cast<TipSearch*>(param)->text = text;
    return FALSE;
  }
  return TRUE;
}

// Rests the cursor on each spot of the taskbar's right end until a tip shows.
std::string TipShownOverTheNotificationArea(HWND taskbar) {
  RECT bar;
  GetWindowRect(taskbar, &bar);
  const int y = (bar.top + bar.bottom) / 2;
  for (int x = bar.right - 6; x > bar.right - 200 && x > bar.left; x -= 8) {
    SetCursorPos(x, y);
    TipSearch search;
    WaitUntil(
        [&] {
          EnumWindows(&ReadVisibleTooltip, reinterpret_cast<LPARAM>(&search));
          return !search.text.empty();
        },
        1500);
    if (search.text.find(":<<") != std::string::npos) return search.text;
  }
  return {};
}

TEST(AppTrayTip, RestingOnTheIconShowsTheTextTitle) {
  TempDirectory dir;
  ChildProcess lizhi;
  ASSERT_TRUE(lizhi.Start(BuildFile("lizhi.exe"), dir.path()));
  ASSERT_TRUE(lizhi.FindWindowOfClass("LizhiWindow", 15000));
  // The desktop's taskbar shows once this process has a window of its own.
  ForegroundWindow own(100, 100, 200, 100);
  HWND taskbar = nullptr;
  WaitUntil([&] { return (taskbar = FindWindowA("Shell_TrayWnd", nullptr)) != nullptr; }, 5000);
  ASSERT_NE(taskbar, nullptr) << "no taskbar on this desktop";
  EXPECT_EQ(TipShownOverTheNotificationArea(taskbar), kFirstStartTip);
}

}  // namespace
}  // namespace lizhi::test
