// The tray menu's commands driven as a user drives them: typing an interval
// into the input box, switching away from the mouse-follow strip, loading a
// text through the open-file dialog, and leaving the exit question unanswered.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "e2e/support/app_session_win.h"

namespace lizhi::test {
namespace {

using namespace caption;

// 顺序_古文.txt: the order word 顺序 chooses sequential order on loading.
const std::string kSequentialFileName = "\xCB\xB3\xD0\xF2_\xB9\xC5\xCE\xC4.txt";

TEST(AppCommandsE2E, IntervalTypedAsFiveIsStoredAndLinesFollowFiveSecondsApart) {
  AppSession app;
  app.Store("show", "mouse");
  app.Store("rand", "f");
  app.Store("time", "1");
  ASSERT_TRUE(app.Start());
  HWND box = app.DialogAfter(kIntervalItem);
  ASSERT_TRUE(box);
  HWND edit = InputBoxEdit(box);
  ASSERT_TRUE(edit);
  EXPECT_EQ(TextOfWindow(edit), "1") << "the stored interval is offered";
  TypeInto(edit, "5");
  ASSERT_TRUE(WaitUntil([&] { return TextOfWindow(edit) == "5"; }, 3000));
  PressDialogButton(box, IDOK);
  ASSERT_TRUE(app.WaitForStored("time", "5"));
  const DWORD confirmed = GetTickCount();

  std::vector<LineChange> changes = WatchStripLine(app.window, 13000, 2);
  ASSERT_EQ(changes.size(), 2u) << "two lines within 13 s";
  EXPECT_GE(changes[0].at - confirmed, 4000u) << "the one-second rhythm has stopped";
  EXPECT_LE(changes[0].at - confirmed, 6500u);
  EXPECT_GE(changes[1].at - changes[0].at, 4500u);
  EXPECT_LE(changes[1].at - changes[0].at, 5800u);
}

TEST(AppCommandsE2E, EveryOtherModeItemHidesTheFollowStripAtOnce) {
  AppSession app;
  app.Store("show", "mouse");
  app.Store("time", "60");  // no display tick meddles
  ASSERT_TRUE(app.Start());
  for (MenuRecord other : {kTitleBarItem, kBalloonItem, kAgentItem}) {
    PostMenuCommand(app.window, kMouseFollowItem);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000)) << other;
    PostMenuCommand(app.window, other);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(app.window); }, 500)) << other;
    // The follow timer has stopped too: ten of its periods pass hidden.
    EXPECT_FALSE(WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 1000)) << other;
  }
  EXPECT_TRUE(app.lizhi.Running());
}

class AppLoadTextE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    app.Store("show", "mouse");
    app.Store("time", "1");
    app.Store("rand", "t");
    ASSERT_TRUE(app.Start());
  }
  // Chooses `path` in the dialog of "载入模板".
  void Load(const std::string& path) {
    HWND dialog = app.DialogAfter(kLoadTextItem);
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(ChooseFile(dialog, path));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 5000));
  }
  // The first `count` lines the strip shows that belong to the loaded file.
  std::vector<std::string> LinesShown(const std::vector<std::string>& ofFile, size_t count) {
    std::vector<std::string> shown;
    const DWORD start = GetTickCount();
    while (shown.size() < count && GetTickCount() - start < 8000) {
      for (const LineChange& c : WatchStripLine(app.window, 1500, 1)) {
        for (const std::string& line : ofFile) {
          if (c.line == line) shown.push_back(line);
        }
      }
    }
    return shown;
  }

  AppSession app;
};

TEST_F(AppLoadTextE2E, TextInTheTxtFolderIsStoredRelativeAndItsOrderWordStartsFromTheFirstLine) {
  ASSERT_TRUE(WaitUntil([&] { return FileExists(app.dir.File("txt")); }, 5000));
  const std::vector<std::string> lines = {"line one", "line two", "line three", "line four"};
  ASSERT_TRUE(
      WriteWholeFile(app.dir.File("txt\\" + kSequentialFileName), "line one\r\nline two\r\nline three\r\nline four"));
  // Two lines of the built-in text in file order move the sequence on; back in
  // random order the sequence stays where it was.
  PostMenuCommand(app.window, kSequentialItem);
  ASSERT_EQ(WatchStripLine(app.window, 4000, 2).size(), 2u);
  PostMenuCommand(app.window, kRandomItem);
  ASSERT_TRUE(app.WaitForStored("rand", "t"));

  Load(app.dir.File("txt\\" + kSequentialFileName));
  EXPECT_TRUE(app.WaitForStored("file", "\\txt\\" + kSequentialFileName));
  EXPECT_EQ(app.Stored("rand"), "f");
  EXPECT_EQ(LinesShown(lines, 3), (std::vector<std::string>{"line one", "line two", "line three"}));

  HWND icon = TrayIconWindow(app.window);
  ASSERT_TRUE(icon);
  SetCursorPos(700, 300);
  PostTrayMouse(icon, WM_RBUTTONUP);
  HWND popup = WaitForPopupMenu(app.lizhi.pid(), 5000);
  ASSERT_TRUE(popup);
  std::optional<MenuPicture> shown = CaptureMenu(popup);
  ClosePopupMenu(popup);
  std::optional<MenuPicture> expected = ReferenceMenu(TrayMenuLines({kMouseFollow, kSequential}));
  ASSERT_TRUE(shown && expected);
  EXPECT_TRUE(DifferingEntries(*shown, *expected).empty()) << "the sequential item checked, the random one not";
}

TEST_F(AppLoadTextE2E, TextElsewhereIsStoredWithItsFullPathAndKeepsTheOrder) {
  TempDirectory elsewhere;
  const std::string path = elsewhere.File("far.txt");
  ASSERT_TRUE(WriteWholeFile(path, "far line\r\n"));
  Load(path);
  EXPECT_TRUE(app.WaitForStored("file", path));
  EXPECT_EQ(app.Stored("rand"), "t");
  EXPECT_EQ(LinesShown({"far line"}, 1), std::vector<std::string>{"far line"});
}

TEST(AppExitE2E, ExitQuestionUnansweredForTwentySecondsKeepsItRunning) {
  AppSession app;
  ASSERT_TRUE(app.Start());
  const DWORD asked = GetTickCount();
  HWND box = app.DialogAfter(kExitItem);
  ASSERT_TRUE(box);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, 30000)) << "the box gives up";
  const DWORD open = GetTickCount() - asked;
  EXPECT_GE(open, 19500u);
  EXPECT_LE(open, 25000u);
  EXPECT_TRUE(app.lizhi.Running());
  // And it still answers its menu.
  PostMenuCommand(app.window, kSequentialItem);
  EXPECT_TRUE(app.WaitForStored("rand", "f"));
}

}  // namespace
}  // namespace lizhi::test
