// lizhi.exe in everyday use: a second start, a text file saved as UTF-8 and
// edited while the program runs, and a full-screen window in front.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "e2e/support/app_session_win.h"
#include "runtime/commands/gbk_from_utf8.h"
#include "support/files.h"

namespace lizhi::test {
namespace {

// Names and contents of the files in a directory (not its folders).
std::map<std::string, std::string> FilesIn(const std::string& directory) {
  std::map<std::string, std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files[found.cFileName] = ReadWholeFile(directory + "\\" + found.cFileName).value_or("<unreadable>");
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return files;
}

TEST(AppEverydayE2E, ASecondStartFromTheSameFolderPopsTheFirstOnesMenuAndEndsWithCodeZero) {
  AppSession app;
  app.Store("time", "60");
  ASSERT_TRUE(app.Start());
  HWND icon = TrayIconWindow(app.window);
  ASSERT_TRUE(icon);
  PumpFor(500);
  // The same program under another name, started from the same directory.
  TempDirectory staging;
  ASSERT_TRUE(CopyFileA(BuildFile("lizhi.exe").c_str(), staging.File("again.exe").c_str(), FALSE));
  const auto before = FilesIn(app.dir.path());
  const auto textsBefore = FilesIn(app.dir.File("txt"));

  ChildProcess second;
  ASSERT_TRUE(second.Start(staging.File("again.exe"), app.dir.path()));
  EXPECT_EQ(second.WaitExit(10000), std::optional<DWORD>(0));
  HWND popup = WaitForPopupMenu(app.lizhi.pid(), 5000);
  ASSERT_TRUE(popup) << "the running one shows its tray menu";
  DWORD inFront = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &inFront);
  EXPECT_EQ(inFront, app.lizhi.pid()) << "the menu has the foreground, so an outside click closes it";
  EXPECT_TRUE(ClosePopupMenu(popup));

  auto after = FilesIn(app.dir.path());
  after.erase("again.exe");
  EXPECT_EQ(after, before) << "the second start touches no file";
  EXPECT_EQ(FilesIn(app.dir.File("txt")), textsBefore);
  EXPECT_TRUE(ShellHasIcon(icon));
  EXPECT_TRUE(app.lizhi.Running());

  // A copy in another folder, with its own settings, runs beside it.
  AppSession elsewhere;
  ASSERT_TRUE(elsewhere.Start());
  EXPECT_TRUE(TrayIconWindow(elsewhere.window));
  EXPECT_TRUE(elsewhere.lizhi.Running());
}

TEST(AppEverydayE2E, AUtf8LineIsShownInGbkAndAnEditShowsAtTheNextTick) {
  AppSession app;
  CreateDirectoryA(app.dir.File("txt").c_str(), nullptr);
  const std::string text = app.dir.File("txt\\today.txt");
  ASSERT_TRUE(WriteWholeFile(text, "你好世界\n"));  // as Notepad saves it: UTF-8, no mark
  app.Store("file", "\\txt\\today.txt");
  app.Store("show", "mouse");
  app.Store("time", "1");
  ASSERT_TRUE(app.Start());
  ASSERT_TRUE(WaitUntil([&] { return StripLine(app.window) == Gbk("你好世界"); }, 8000)) << StripLine(app.window);
  PumpFor(300);
  RECT r;
  GetWindowRect(app.window, &r);
  EXPECT_EQ(r.right - r.left, 80) << "8 GBK bytes, not 12 UTF-8 ones";

  ASSERT_TRUE(WriteWholeFile(text, "\xEF\xBB\xBF天道酬勤，厚积薄发\r\n"));
  EXPECT_TRUE(WaitUntil([&] { return StripLine(app.window) == Gbk("天道酬勤，厚积薄发"); }, 5000))
      << "the saved line is not shown; the strip shows " << StripLine(app.window);
}

// The primary monitor's whole rectangle.
RECT PrimaryMonitor() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcMonitor;
}

TEST(AppEverydayE2E, AFullScreenWindowInFrontGetsNoLineWhileANormalOneDoes) {
  AppSession app;
  app.Store("time", "1");
  ASSERT_TRUE(app.Start());
  {
    // A borderless window over the whole monitor, as a film or a presentation shows.
    const RECT area = PrimaryMonitor();
    ForegroundWindow film(area.left, area.top, area.right - area.left, area.bottom - area.top, WS_POPUP);
    ASSERT_EQ(GetForegroundWindow(), film.handle());
    const RECT top{area.right - 600, area.top, area.right, area.top + 60};
    int yellow = 0;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 3500;) {
      PumpFor(100);
      yellow = std::max(yellow, CountScreenPixels(top, IsYellow));
    }
    EXPECT_EQ(yellow, 0) << "three ticks painted over the full-screen window";
  }
  ForegroundWindow target(100, 120, 700, 400);
  RECT r;
  GetWindowRect(target.handle(), &r);
  const RECT topRight{r.left + (r.right - r.left) / 3, r.top, r.right, r.top + 60};
  EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(topRight, IsYellow) > 20; }, 6000))
      << "no line at the normal window once the full screen ended";
}

}  // namespace
}  // namespace lizhi::test
