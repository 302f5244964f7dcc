// lizhi.exe as a user meets it: the first start, the line painted at the
// foreground window, the tray menu's commands writing setup.ini, stored
// settings applied at start and the exit confirmation.
#include <windows.h>

#include <gtest/gtest.h>

#include "e2e/support/app_desktop_win.h"
#include "e2e/support/app_session_win.h"
#include "e2e/support/lizhi_process_win.h"
#include "e2e/support/tray_menu_win.h"
#include "runtime/base/win_handles.h"

namespace lizhi::test {
namespace {

// \txt\励志文本.txt
const std::string kDefaultText = "txt\\\xC0\xF8\xD6\xBE\xCE\xC4\xB1\xBE.txt";
// 我要努力工作: the built-in text's first line.
const std::string kFirstBuiltInLine = "\xCE\xD2\xD2\xAA\xC5\xAC\xC1\xA6\xB9\xA4\xD7\xF7";

class AppE2E : public ::testing::Test {
 protected:
  // Starts lizhi.exe in the fresh directory and waits for its start-up window.
  HWND Start() {
    if (!lizhi.Start(BuildFile("lizhi.exe"), dir.path())) return nullptr;
    return lizhi.FindWindowOfClass("LizhiWindow", 15000);
  }
  std::string Ini() const { return dir.File("setup.ini"); }
  bool WaitForKey(const char* key, const std::string& value, DWORD ms = 5000) {
    return WaitUntil([&] { return ReadLzKey(Ini(), key) == value; }, ms);
  }

  TempDirectory dir;
  ChildProcess lizhi;
};

TEST_F(AppE2E, FirstStartCreatesBuiltInTextAndWritesNoSettings) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(WaitUntil([&] { return FileExists(dir.File(kDefaultText)); }, 5000));
  PumpFor(500);
  auto text = ReadWholeFile(dir.File(kDefaultText));
  ASSERT_TRUE(text);
  EXPECT_EQ(text->size(), 564u);
  EXPECT_EQ(text->substr(0, kFirstBuiltInLine.size()), kFirstBuiltInLine);
  EXPECT_FALSE(FileExists(Ini()));
  EXPECT_TRUE(lizhi.Running());
}

TEST_F(AppE2E, YellowLineAppearsAtTopRightOfForegroundWindow) {
  ASSERT_TRUE(Start());
  ForegroundWindow target(100, 120, 700, 400);
  RECT r;
  GetWindowRect(target.handle(), &r);
  RECT topRight{r.left + (r.right - r.left) / 3, r.top, r.right, r.top + 60};
  RECT bottom{r.left, r.top + 150, r.right, r.bottom};
  bool painted = WaitUntil([&] { return CountScreenPixels(topRight, IsYellow) > 20; }, 8000);
  EXPECT_TRUE(painted) << "no yellow text at the top right within 8 s";
  EXPECT_EQ(CountScreenPixels(bottom, IsYellow), 0);
}

TEST_F(AppE2E, ModeAndOrderItemsStoreTheirWords) {
  HWND window = Start();
  ASSERT_TRUE(window);
  // The start-up routine writes the built-in text: the program is then done
  // starting, as it is by the time a user can open the menu.
  ASSERT_TRUE(WaitUntil([&] { return FileExists(dir.File(kDefaultText)); }, 5000));
  struct Step {
    MenuRecord item;
    const char* key;
    const char* value;
  };
  for (const Step& s :
       {Step{kBalloonItem, "show", "qipao"}, Step{kAgentItem, "show", "agent"}, Step{kMouseFollowItem, "show", "mouse"},
        Step{kTitleBarItem, "show", "title"}, Step{kSequentialItem, "rand", "f"}, Step{kRandomItem, "rand", "t"}}) {
    PostMenuCommand(window, s.item);
    EXPECT_TRUE(WaitForKey(s.key, s.value)) << s.key << "=" << s.value;
  }
  EXPECT_FALSE(IsWindowVisible(window)) << "the title-bar item hides the strip";
  EXPECT_TRUE(lizhi.Running());
}

TEST_F(AppE2E, MouseFollowStripIs24HighTwentyPixelsBelowCursorAndTopmost) {
  WriteLzKey(Ini(), "show", "mouse");
  WriteLzKey(Ini(), "time", "1");
  SetCursorPos(300, 200);
  HWND window = Start();
  ASSERT_TRUE(window);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }, 5000));
  PumpFor(1500);  // a display tick sets the width
  SetCursorPos(310, 210);
  PumpFor(500);
  RECT r;
  GetWindowRect(window, &r);
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(r.bottom - r.top, 24);
  EXPECT_EQ(r.left, cursor.x);
  EXPECT_EQ(r.top, cursor.y + 20);
  EXPECT_EQ((r.right - r.left) % 10, 0) << "10 pixels per byte of the line";
  EXPECT_GT(r.right - r.left, 0);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(ReadLzKey(Ini(), "show"), "mouse") << "applying settings writes nothing";
}

TEST_F(AppE2E, MouseFollowChosenAfterAnotherModeIsTheStripFromItsFirstMoment) {
  WriteLzKey(Ini(), "time", "60");  // no display tick: the label keeps 人生要励志
  SetCursorPos(300, 200);
  HWND window = Start();
  ASSERT_TRUE(window);
  PumpFor(1000);
  PostMenuCommand(window, kMouseFollowItem);
  int sightings = 0;
  RECT wrong{};
  const DWORD end = GetTickCount() + 3000;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    RECT r;
    if (IsWindowVisible(window) && GetWindowRect(window, &r)) {
      ++sightings;
      if (r.right - r.left != 100 || r.bottom - r.top != 24) wrong = r;
    }
    Sleep(5);
  }
  EXPECT_GT(sightings, 0);
  EXPECT_EQ(wrong.right - wrong.left, 0) << "seen at " << wrong.left << "," << wrong.top << " "
                                         << wrong.right - wrong.left << " x " << wrong.bottom - wrong.top
                                         << ", not 100 x 24";
}

TEST_F(AppE2E, AfterTheTrayMenuTheLineGoesToTheWindowThatWasInFront) {
  WriteLzKey(Ini(), "time", "1");
  HWND window = Start();
  ASSERT_TRUE(window);
  ForegroundWindow target(100, 120, 700, 400);
  HWND icon = TrayIconWindow(window);
  ASSERT_TRUE(icon);
  SetCursorPos(700, 300);
  PostTrayMouse(icon, WM_RBUTTONUP);
  HWND popup = WaitForPopupMenu(lizhi.pid(), 5000);
  ASSERT_TRUE(popup);
  ASSERT_TRUE(ClosePopupMenu(popup));
  DWORD inFront = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &inFront);
  EXPECT_EQ(inFront, lizhi.pid()) << "the menu leaves lizhi's own window in front";
  // Lines painted before the menu are wiped; only later ticks can paint.
  RedrawWindow(target.handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  RECT r;
  GetWindowRect(target.handle(), &r);
  RECT topRight{r.left + (r.right - r.left) / 3, r.top, r.right, r.top + 60};
  EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(topRight, IsYellow) > 20; }, 6000))
      << "no yellow text at the top right of the window in front before the menu";
}

TEST(AppCoreE2E, StoredIntervalThatIsNoNumberStopsTheCycleUntilANumberIsTyped) {
  AppSession app;
  app.Store("time", "abc");
  ASSERT_TRUE(app.Start());
  ForegroundWindow target(100, 120, 700, 400);
  RECT r;
  GetWindowRect(target.handle(), &r);
  const RECT top{r.left, r.top, r.right, r.top + 60};
  PumpFor(4000);
  EXPECT_EQ(CountScreenPixels(top, IsYellow), 0);
  EXPECT_TRUE(app.lizhi.Running());

  // The control in the same run: once an interval is typed, lines appear where
  // the test looked.
  HWND box = app.DialogAfter(kIntervalItem);
  ASSERT_TRUE(box);
  HWND edit = InputBoxEdit(box);
  ASSERT_TRUE(edit);
  TypeInto(edit, "1");
  ASSERT_TRUE(WaitUntil([&] { return TextOfWindow(edit) == "1"; }, 3000));
  PressDialogButton(box, IDOK);
  ASSERT_TRUE(app.WaitForStored("time", "1"));
  SetForegroundWindow(target.handle());
  EXPECT_TRUE(WaitUntil([&] { return CountScreenPixels(top, IsYellow) > 20; }, 8000));
}

// The Run value named 励志软件 under either Run key.
bool AutoStartRegistered() {
  const char* run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    win::RegistryKey key;
    if (RegOpenKeyExA(root, run, 0, KEY_READ, key.put()) != ERROR_SUCCESS) continue;
    if (RegQueryValueExA(key.get(), "\xC0\xF8\xD6\xBE\xC8\xED\xBC\xFE", nullptr, nullptr, nullptr, nullptr) ==
        ERROR_SUCCESS) {
      return true;
    }
  }
  return false;
}

TEST_F(AppE2E, AutoStartItemRegistersThenRemovesAndStoresBoth) {
  HWND window = Start();
  ASSERT_TRUE(window);
  PostMenuCommand(window, kAutoStartItem);
  EXPECT_TRUE(WaitForKey("AUTORUN", "T"));
  EXPECT_TRUE(AutoStartRegistered());
  PostMenuCommand(window, kAutoStartItem);
  EXPECT_TRUE(WaitForKey("AUTORUN", "F"));
  EXPECT_FALSE(AutoStartRegistered());
}

TEST_F(AppE2E, ExitCancelKeepsRunningAndOkEndsWithCodeZero) {
  HWND window = Start();
  ASSERT_TRUE(window);
  PostMenuCommand(window, kExitItem);
  HWND box = WaitForDialogOf(lizhi.pid(), 5000);
  ASSERT_TRUE(box);
  PressDialogButton(box, IDCANCEL);
  PumpFor(1500);
  EXPECT_TRUE(lizhi.Running());

  PostMenuCommand(window, kExitItem);
  box = WaitForDialogOf(lizhi.pid(), 5000);
  ASSERT_TRUE(box);
  PressDialogButton(box, IDOK);
  EXPECT_EQ(lizhi.WaitExit(10000), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace lizhi::test
