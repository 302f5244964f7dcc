// lizhi.exe's tray icon as a user meets it: the pop-up menu on a click and on
// a right click with its entries and check marks, the settings file read at
// start, and the icon's return after the taskbar is created anew.
#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>

#include "e2e/support/app_session_win.h"

namespace lizhi::test {
namespace {

using namespace caption;

// The built-in text's first three lines: 我要努力工作, 天生我才必有用, 我是最强的.
const std::vector<std::string> kBuiltInOpening = {"\xCE\xD2\xD2\xAA\xC5\xAC\xC1\xA6\xB9\xA4\xD7\xF7",
                                                  "\xCC\xEC\xC9\xFA\xCE\xD2\xB2\xC5\xB1\xD8\xD3\xD0\xD3\xC3",
                                                  "\xCE\xD2\xCA\xC7\xD7\xEE\xC7\xBF\xB5\xC4"};

std::string Describe(const std::vector<size_t>& entries, const std::vector<MenuLine>& lines) {
  std::ostringstream out;
  for (size_t i : entries)
    out << "entry " << i << (lines[i].separator() ? " (separator)" : lines[i].checked ? " (checked)" : "") << "; ";
  return out.str();
}

// Pops the tray menu up with `mouseMessage` on the icon, captures it, closes
// it with Escape and compares it with the expected entries.
std::optional<MenuPicture> ExpectTrayMenu(AppSession& app, UINT mouseMessage, const std::vector<MenuLine>& expected) {
  HWND icon = TrayIconWindow(app.window);
  if (!icon) {
    ADD_FAILURE() << "no tray icon window";
    return std::nullopt;
  }
  // The menu opens at the cursor; well inside the screen it is shown whole.
  SetCursorPos(700, 300);
  PostTrayMouse(icon, mouseMessage);
  HWND popup = WaitForPopupMenu(app.lizhi.pid(), 5000);
  if (!popup) {
    ADD_FAILURE() << "no pop-up menu after mouse message 0x" << std::hex << mouseMessage;
    return std::nullopt;
  }
  std::optional<MenuPicture> shown = CaptureMenu(popup);
  EXPECT_TRUE(ClosePopupMenu(popup)) << "Escape closes the menu";
  std::optional<MenuPicture> reference = ReferenceMenu(expected);
  if (!shown || !reference) {
    ADD_FAILURE() << "menu pictures could not be taken";
    return std::nullopt;
  }
  EXPECT_EQ(shown->width, reference->width);
  EXPECT_EQ(shown->height, reference->height);
  std::vector<size_t> differing = DifferingEntries(*shown, *reference);
  EXPECT_TRUE(differing.empty()) << "unlike the expected menu: " << Describe(differing, expected);
  return shown;
}

TEST(AppTrayE2E, ClickAndRightClickPopUpTheVisibleEntriesInOrderWithDefaultMarks) {
  AppSession app;
  ASSERT_TRUE(app.Start());
  std::vector<MenuLine> defaults = TrayMenuLines({kTitleBar, kRandom});
  std::optional<MenuPicture> shown = ExpectTrayMenu(app, WM_LBUTTONUP, defaults);
  ASSERT_TRUE(shown);
  // The comparison sees check marks: other marks differ in exactly their entries.
  std::optional<MenuPicture> other = ReferenceMenu(TrayMenuLines({kMouseFollow, kRandom}));
  ASSERT_TRUE(other);
  EXPECT_EQ(DifferingEntries(*shown, *other), (std::vector<size_t>{0, 1}));

  ExpectTrayMenu(app, WM_RBUTTONUP, defaults);
  // Escape chose nothing.
  EXPECT_FALSE(FileExists(app.Ini()));
  EXPECT_TRUE(app.lizhi.Running());
}

TEST(AppTrayE2E, ButtonPressOnTheIconPopsUpNothing) {
  AppSession app;
  ASSERT_TRUE(app.Start());
  HWND icon = TrayIconWindow(app.window);
  ASSERT_TRUE(icon);
  PostTrayMouse(icon, WM_LBUTTONDOWN);
  PostTrayMouse(icon, WM_RBUTTONDOWN);
  EXPECT_FALSE(WaitForPopupMenu(app.lizhi.pid(), 1500));
}

TEST(AppTrayE2E, StoredSettingsAreAppliedAtStart) {
  AppSession app;
  app.Store("show", "mouse");
  app.Store("time", "0.5");
  app.Store("rand", "f");
  app.Store("AUTORUN", "T");
  SetCursorPos(300, 200);
  ASSERT_TRUE(app.Start());
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 5000)) << "the strip shows";

  // Lines in file order, half a second apart.
  std::vector<LineChange> changes = WatchStripLine(app.window, 6000, 4);
  ASSERT_EQ(changes.size(), 4u);
  for (size_t i = 0; i < kBuiltInOpening.size(); ++i) EXPECT_EQ(changes[i].line, kBuiltInOpening[i]) << i;
  DWORD threeIntervals = changes[3].at - changes[0].at;
  EXPECT_GE(threeIntervals, 1100u);
  EXPECT_LE(threeIntervals, 2400u);

  ExpectTrayMenu(app, WM_LBUTTONUP, TrayMenuLines({kMouseFollow, kSequential, kAutoStart}));
  EXPECT_EQ(app.Stored("show"), "mouse") << "applying settings writes nothing";
}

TEST(AppTrayE2E, IconComesBackWhenTheTaskbarIsCreatedAgain) {
  AppSession app;
  ASSERT_TRUE(app.Start());
  HWND icon = TrayIconWindow(app.window);
  ASSERT_TRUE(icon);
  ASSERT_TRUE(WaitUntil([&] { return ShellHasIcon(icon); }, 5000));
  ShellForgetIcon(icon);
  ASSERT_FALSE(ShellHasIcon(icon));
  BroadcastTaskbarCreated();
  EXPECT_TRUE(WaitUntil([&] { return ShellHasIcon(icon); }, 5000));
  // Still the program's own icon: its menu answers a click.
  PostTrayMouse(icon, WM_LBUTTONUP);
  HWND popup = WaitForPopupMenu(app.lizhi.pid(), 5000);
  ASSERT_TRUE(popup);
  EXPECT_TRUE(ClosePopupMenu(popup));
}

}  // namespace
}  // namespace lizhi::test
