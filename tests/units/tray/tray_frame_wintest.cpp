// The tray icon as the frame holds it: the start-up window's unit, its
// properties read and written by index and its events reaching the handlers
// the template binds.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "data/startup_window.h"
#include "data/tray_icon.h"
#include "runtime/base/memory.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/window_table.h"
#include "support/startup_window_win.h"
#include "tray_test_support_win.h"
#include "units/tray/tray_icon_unit.h"

namespace lizhi::tray {
namespace {

using rt::kStartupWindowId;
constexpr uint32_t kTray = data::kTrayIcon;

std::vector<rt::EventRecord> g_handled;
bool Record(const rt::EventRecord& event, int32_t&) {
  g_handled.push_back(event);
  return false;
}

class TrayIconThroughFrame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static std::array<rt::EventHandler, 64> handlers;
    handlers.fill(&Record);
    lizhi::test::BuildStartupWindow(handlers);
  }
  static void TearDownTestSuite() { lizhi::test::DestroyStartupWindow(); }
  static HWND StartupWindow() { return lizhi::test::StartupWindowHandle(); }
  static HWND TrayWindow() { return static_cast<HWND>(rt::UnitWindowHandle(kStartupWindowId, kTray)); }

  void SetUp() override {
    ASSERT_NE(StartupWindow(), nullptr);
    ASSERT_NE(TrayWindow(), nullptr);
    auto icon = data::TrayIconBytes();
    void* block = rt::MakeByteArray(icon.data(), icon.size());
    rt::WriteUnitProperty(kStartupWindowId, kTray, 8, rt::MakeBytesValue(block));
    rt::Free(block);
    rt::WriteUnitProperty(kStartupWindowId, kTray, 10, rt::MakeLogical(true));
  }
};

TEST_F(TrayIconThroughFrame, PropertiesWrittenByIndexReachTheTrayAndReadBack) {
  EXPECT_TRUE(test::ShellHasIcon(TrayWindow()));

  rt::TypedValue icon = rt::ReadUnitProperty(kStartupWindowId, kTray, 8);
  ASSERT_EQ(rt::BaseType(icon.type), rt::kTypeBytes);
  auto bundled = data::TrayIconBytes();
  ASSERT_EQ(rt::ByteArrayLength(rt::GetPointer(icon)), bundled.size());
  EXPECT_TRUE(std::equal(bundled.begin(), bundled.end(), rt::ByteArrayData(rt::GetPointer(icon))));
  rt::Free(rt::GetPointer(icon));

  const char tip[] = "\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5:<<\xC0\xF8\xD6\xBE>>";  // 正在播放:<<励志>>
  rt::WriteUnitProperty(kStartupWindowId, kTray, 9, rt::MakeTextValue(tip));
  rt::TypedValue read = rt::ReadUnitProperty(kStartupWindowId, kTray, 9);
  EXPECT_STREQ(rt::TextOf(read), tip);
  rt::Free(rt::GetPointer(read));
  EXPECT_EQ(CurrentTrayIconState(rt::UnitObject(kStartupWindowId, kTray)).tip, tip);

  rt::WriteUnitProperty(kStartupWindowId, kTray, 10, rt::MakeLogical(false));
  EXPECT_FALSE(test::ShellHasIcon(TrayWindow()));
  EXPECT_EQ(rt::ReadUnitProperty(kStartupWindowId, kTray, 10).low, 0u);
  rt::WriteUnitProperty(kStartupWindowId, kTray, 10, rt::MakeLogical(true));
  EXPECT_TRUE(test::ShellHasIcon(TrayWindow()));
}

TEST_F(TrayIconThroughFrame, ScreenPositionIsReadOnEveryRead) {
  rt::TypedValue x = rt::ReadUnitProperty(kStartupWindowId, kTray, 16);
  rt::TypedValue y = rt::ReadUnitProperty(kStartupWindowId, kTray, 17);
  EXPECT_EQ(x.type, rt::kTypeInt);
  EXPECT_GT(rt::IntOf(x), 0);
  EXPECT_GT(rt::IntOf(y), 0);
  EXPECT_LT(rt::IntOf(x), GetSystemMetrics(SM_CXVIRTUALSCREEN));
  EXPECT_LT(rt::IntOf(y), GetSystemMetrics(SM_CYVIRTUALSCREEN));
  EXPECT_TRUE(test::ShellHasIcon(TrayWindow())) << "the real icon is back after the probe";
}

TEST_F(TrayIconThroughFrame, ClicksReachTheBoundHandlers) {
  g_handled.clear();
  const WPARAM id = reinterpret_cast<WPARAM>(TrayWindow());
  SendMessageA(TrayWindow(), kTrayCallbackMessage, id, WM_LBUTTONDOWN);
  EXPECT_TRUE(g_handled.empty());
  SendMessageA(TrayWindow(), kTrayCallbackMessage, id, WM_LBUTTONUP);
  SendMessageA(TrayWindow(), kTrayCallbackMessage, id, WM_RBUTTONUP);
  SendMessageA(TrayWindow(), kTrayCallbackMessage, id, WM_LBUTTONDBLCLK);  // bound to nothing
  ASSERT_EQ(g_handled.size(), 2u);
  EXPECT_EQ(g_handled[0].unitId, kTray);
  EXPECT_EQ(g_handled[0].eventIndex, 0);
  EXPECT_EQ(g_handled[1].eventIndex, 2);
}

}  // namespace
}  // namespace lizhi::tray
