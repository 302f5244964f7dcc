// lizhi at 144 dots per inch, every mode in one run. Runs only in the tier
// whose Wine prefix sets LogPixels to 144 (scripts/test): Wine then gives every
// process 144 dpi and never scales coordinates, so what is checked is the
// geometry: the title-bar line inside the caption and left of the buttons, the
// strip and the balloon sized 1.5 times their 96-dpi figures, the character
// drawn at 150 %, and the character's answer to WM_DPICHANGED.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "e2e/support/app_session_win.h"
#include "runtime/base/win_handles.h"

namespace lizhi::test {
namespace {

struct Box {
  int count = 0;
  RECT rect{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
};

template <typename Match>
Box FindPixels(const RECT& area, Match match) {
  Box box;
  const std::vector<uint32_t> pixels = CaptureScreen(area);
  const LONG width = area.right - area.left;
  for (size_t i = 0; i < pixels.size(); ++i) {
    if (!match(pixels[i])) continue;
    const LONG x = area.left + static_cast<LONG>(i) % width, y = area.top + static_cast<LONG>(i) / width;
    ++box.count;
    box.rect = {std::min(box.rect.left, x), std::min(box.rect.top, y), std::max(box.rect.right, x + 1),
                std::max(box.rect.bottom, y + 1)};
  }
  return box;
}

// The window's caption buttons as it answers hit tests itself: the leftmost
// column and the rows answering minimise, maximise or close.
RECT ButtonsOf(HWND window) {
  RECT w;
  GetWindowRect(window, &w);
  RECT buttons{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  for (LONG y = w.top; y < w.top + 80; ++y) {
    for (LONG x = w.right - 1; x > w.right - 300; --x) {
      const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
      if (hit != HTMINBUTTON && hit != HTMAXBUTTON && hit != HTCLOSE) continue;
      buttons = {std::min(buttons.left, x), std::min(buttons.top, y), std::max(buttons.right, x + 1),
                 std::max(buttons.bottom, y + 1)};
    }
  }
  return buttons;
}

RECT WindowRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

RECT WorkAreaAt(const RECT& r) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info);
  return info.rcWork;
}

bool Dark(uint32_t rgb) { return ((rgb >> 16) & 0xFF) < 90 && ((rgb >> 8) & 0xFF) < 90 && (rgb & 0xFF) < 90; }

TEST(Dpi144, EveryModeIsSizedForTheMonitorsDpi) {
  {
    win::WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    ASSERT_EQ(dpi, 144) << "this set runs in the 144-dpi Wine prefix";
  }
  AppSession app;
  CreateDirectoryA(app.dir.File("txt").c_str(), nullptr);
  // Latin and Chinese, short enough for the caption at 144 dpi.
  ASSERT_TRUE(
      WriteWholeFile(app.dir.File("txt\\dpi.txt"), "Keep going 0123\r\n\xC0\xF8\xD6\xBE\xC8\xCB\xC9\xFA WMWM\r\n"));
  app.Store("file", "\\txt\\dpi.txt");
  app.Store("rand", "f");
  ForegroundWindow target(20, 120, 900, 400);
  ASSERT_TRUE(app.Start());

  // The title-bar line: inside the caption, wholly left of the buttons.
  SetForegroundWindow(target.handle());
  const RECT w = WindowRect(target.handle());
  const RECT buttons = ButtonsOf(target.handle());
  ASSERT_LT(buttons.left, buttons.right) << "the test window has caption buttons";
  const RECT band{w.left, w.top, w.right, w.top + 80};
  Box line;
  ASSERT_TRUE(WaitUntil([&] { return (line = FindPixels(band, IsYellow)).count > 40; }, 10000));
  PumpFor(300);
  line = FindPixels(band, IsYellow);
  EXPECT_LE(line.rect.right, buttons.left) << "the line reaches the caption buttons";
  EXPECT_GE(line.rect.top, buttons.top) << "the line starts above the caption";
  EXPECT_LT(line.rect.top, buttons.bottom);
  EXPECT_GT(line.rect.bottom - line.rect.top, 16) << "a 36-pixel font, not a 24-pixel one";

  // The strip: 36 pixels high, its label 27 with a font 24 pixels high.
  SetCursorPos(300, 300);
  PostMenuCommand(app.window, kMouseFollowItem);
  ASSERT_TRUE(WaitUntil(
      [&] {
        const RECT r = WindowRect(app.window);
        return IsWindowVisible(app.window) && r.bottom - r.top == 36 && r.top == 330;
      },
      10000));
  HWND label = FindWindowExA(app.window, nullptr, "Static", nullptr);
  ASSERT_NE(label, nullptr);
  const RECT labelRect = WindowRect(label);
  EXPECT_EQ(labelRect.bottom - labelRect.top, 27);
  PumpFor(2500);  // a tick with a line of the file
  const Box ink = FindPixels(WindowRect(label), Dark);
  EXPECT_GT(ink.rect.bottom - ink.rect.top, 16) << "glyphs of a -24 font, not of the stored -16";
  const RECT strip = WindowRect(app.window);
  const RECT stripWork = WorkAreaAt(strip);
  EXPECT_GE(strip.left, stripWork.left);
  EXPECT_LE(strip.right, stripWork.right);

  // The balloon: margins, anchor and a 9-point font all 1.5 times as large,
  // so a one-line balloon is at least 1.5 times the 52 pixels it has at 96.
  PostMenuCommand(app.window, kBalloonItem);
  HWND balloon = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] { return (balloon = TopWindowOfClass(app.lizhi.pid(), "LizhiBalloonTip", true)) != nullptr; }, 10000));
  const RECT tip = WindowRect(balloon);
  EXPECT_GE(tip.bottom - tip.top, 78);
  const RECT tipWork = WorkAreaAt(tip);
  EXPECT_GE(tip.left, tipWork.left);
  EXPECT_LE(tip.right, tipWork.right + 12) << "only the shadow may pass the work area";
  std::printf("balloon at 144 dpi: %ld x %ld\n", tip.right - tip.left, tip.bottom - tip.top);

  // The character: drawn at 150 %, inside the primary work area, and drawn
  // again at the size a WM_DPICHANGED names.
  PostMenuCommand(app.window, kAgentItem);
  HWND character = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] { return (character = TopWindowOfClass(app.lizhi.pid(), "LizhiCharacter", true)) != nullptr; }, 10000));
  auto sizeIs = [&](LONG side) {
    return WaitUntil(
        [&] {
          const RECT r = WindowRect(character);
          return r.right - r.left == side && r.bottom - r.top == side;
        },
        5000);
  };
  EXPECT_TRUE(sizeIs(168));
  const RECT own = WindowRect(character);
  const RECT primaryWork = WorkAreaAt(RECT{0, 0, 1, 1});
  EXPECT_LE(own.bottom, primaryWork.bottom) << "never under the taskbar";
  EXPECT_LE(own.right, primaryWork.right);
  PostMessageA(character, WM_DPICHANGED, MAKEWPARAM(96, 96), 0);
  EXPECT_TRUE(sizeIs(112));
  PostMessageA(character, WM_DPICHANGED, MAKEWPARAM(144, 144), 0);
  EXPECT_TRUE(sizeIs(168));
  EXPECT_EQ(WindowRect(character).left, own.left) << "it stays where it stood";
}

}  // namespace
}  // namespace lizhi::test
