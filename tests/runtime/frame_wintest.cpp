// The frame for real under Wine: the start-up window built from its template,
// unit properties, timers, menu commands and DllCommand resolution.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "data/startup_window.h"
#include "runtime/base/runtime_texts.h"
#include "runtime/frame/dll_command.h"
#include "runtime/frame/dll_resolver_win.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/window_table.h"
#include "support/fatal_trap.h"
#include "support/startup_window_win.h"

namespace lizhi {
namespace {

struct Counts {
  int created = 0;
  int displayTicks = 0;
  int exitItem = 0;
};
Counts g_counts;

bool OnCreated(const rt::EventRecord&, int32_t&) {
  ++g_counts.created;
  return false;
}
bool OnTick(const rt::EventRecord&, int32_t&) {
  ++g_counts.displayTicks;
  return false;
}
bool OnExitItem(const rt::EventRecord&, int32_t&) {
  ++g_counts.exitItem;
  return false;
}
bool Nothing(const rt::EventRecord&, int32_t&) { return false; }

// Pumps messages for `ms` milliseconds.
void PumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    rt::ProcessPendingMessages();
    Sleep(5);
  }
}

class StartupWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static std::array<rt::EventHandler, 22> handlers{};
    handlers.fill(&Nothing);
    handlers[0] = &OnCreated;    // kOnWindowCreated
    handlers[19] = &OnExitItem;  // kOnMenuExit
    handlers[20] = &OnTick;      // kOnDisplayTick
    test::BuildStartupWindow(handlers);
  }
  static void TearDownTestSuite() { test::DestroyStartupWindow(); }
  static HWND Window() { return static_cast<HWND>(rt::UnitWindowHandle(rt::kStartupWindowId, rt::kWindowUnitId)); }
  static RECT ChildRect(uint32_t unit) {
    RECT r{};
    HWND h = static_cast<HWND>(rt::UnitWindowHandle(rt::kStartupWindowId, unit));
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
};

TEST_F(StartupWindow, IsBuiltHiddenWithItsUnitsAtTheirPlaces) {
  HWND window = Window();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(g_counts.created, 1);
  RECT label = ChildRect(data::kLineLabel);
  EXPECT_EQ(label.left, 4);
  EXPECT_EQ(label.top, 2);
  EXPECT_EQ(label.right - label.left, 1200);
  EXPECT_EQ(label.bottom - label.top, 18);
  RECT button = ChildRect(data::kTestButton);
  EXPECT_EQ(button.left, 7);
  EXPECT_EQ(button.top, 152);
  HWND timer = static_cast<HWND>(rt::UnitWindowHandle(rt::kStartupWindowId, data::kDisplayTimer));
  ASSERT_TRUE(timer);
  EXPECT_FALSE(IsWindowVisible(timer)) << "non-visual units stay hidden";
  EXPECT_EQ(rt::IntOf(rt::ReadUnitProperty(rt::kStartupWindowId, rt::kWindowUnitId, 2)), 89);
  EXPECT_EQ(rt::IntOf(rt::ReadUnitProperty(rt::kStartupWindowId, rt::kWindowUnitId, 3)), 228);
}

TEST_F(StartupWindow, LoadingALiveWindowAgainBuildsNothing) {
  HWND before = Window();
  rt::LoadWindow(rt::kStartupWindowId);
  EXPECT_EQ(Window(), before);
  EXPECT_EQ(g_counts.created, 1);
}

TEST_F(StartupWindow, TimerTicksWhileItsIntervalIsAboveZero) {
  EXPECT_EQ(rt::IntOf(rt::ReadUnitProperty(rt::kStartupWindowId, data::kDisplayTimer, 8)), 0);
  g_counts.displayTicks = 0;
  PumpFor(200);
  EXPECT_EQ(g_counts.displayTicks, 0) << "stored interval 0: stopped";
  rt::WriteUnitProperty(rt::kStartupWindowId, data::kDisplayTimer, 8, rt::MakeInt(30));
  PumpFor(600);
  EXPECT_GE(g_counts.displayTicks, 3);
  rt::WriteUnitProperty(rt::kStartupWindowId, data::kDisplayTimer, 8, rt::MakeInt(-5));
  PumpFor(50);
  g_counts.displayTicks = 0;
  PumpFor(300);
  EXPECT_EQ(g_counts.displayTicks, 0);
  EXPECT_EQ(rt::IntOf(rt::ReadUnitProperty(rt::kStartupWindowId, data::kDisplayTimer, 8)), 0);
}

TEST_F(StartupWindow, MenuCommandsReachTheirHandlers) {
  g_counts.exitItem = 0;
  SendMessageA(Window(), WM_COMMAND, 20000 + 27, 0);
  EXPECT_EQ(g_counts.exitItem, 1);
  SendMessageA(Window(), WM_COMMAND, 20000 + 28, 0);
  SendMessageA(Window(), WM_COMMAND, 57600, 0);
  EXPECT_EQ(g_counts.exitItem, 1);
}

TEST_F(StartupWindow, MenuItemPropertiesFollowTheirFlags) {
  auto checked = [](uint32_t item) { return rt::IntOf(rt::ReadUnitProperty(rt::kStartupWindowId, item, 1)) != 0; };
  EXPECT_TRUE(checked(data::kMenuTitleBar));
  EXPECT_FALSE(checked(data::kMenuMouseFollow));
  rt::WriteUnitProperty(rt::kStartupWindowId, data::kMenuMouseFollow, 1, rt::MakeLogical(true));
  EXPECT_TRUE(checked(data::kMenuMouseFollow));
  rt::WriteUnitProperty(rt::kStartupWindowId, data::kMenuMouseFollow, 1, rt::MakeLogical(false));
  EXPECT_FALSE(rt::IntOf(rt::ReadUnitProperty(rt::kStartupWindowId, data::kMenuFontSize, 3)))
      << "字体大小 is invisible";
}

TEST_F(StartupWindow, PropertiesOfAWindowNotInTheTableAreFatal) {
  std::string box = test::FatalTextOf([] { rt::ReadUnitProperty(0x52010002, rt::kWindowUnitId, 0); });
  EXPECT_NE(box.find(rt::text::kPropertyWindowNotLoaded), std::string::npos);
}

// Reloading the table takes a live window with its old entry; the window's
// last messages find no entry, and the window is built afresh from the new one.
TEST(WindowTable, ReloadingTakesTheOldWindowWithIt) {
  static std::array<rt::EventHandler, 22> handlers{};
  handlers.fill(&Nothing);
  handlers[0] = &OnCreated;
  const int created = g_counts.created;
  test::BuildStartupWindow(handlers);
  HWND before = test::StartupWindowHandle();
  ASSERT_TRUE(before);
  const std::vector<uint8_t> bytes = data::StartupTemplateBytes();
  ASSERT_TRUE(rt::LoadTemplate(bytes.data(), bytes.size()));
  EXPECT_FALSE(IsWindow(before));
  rt::LoadWindow(rt::kStartupWindowId);
  ASSERT_TRUE(test::StartupWindowHandle());
  SendMessageA(test::StartupWindowHandle(), WM_SETFOCUS, 0, 0);  // answered from the new entry
  EXPECT_EQ(g_counts.created, created + 2);
  test::DestroyStartupWindow();
}

TEST(DllCommand, ResolvesFromTheSystemLibrariesAndCachesPerIndex) {
  void* a = rt::ResolveDllCommand(rt::kDllGetDC);
  void* b = rt::ResolveDllCommand(rt::kDllGetDC2);
  void* expected = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDC"));
  EXPECT_EQ(a, expected);
  EXPECT_EQ(b, expected);
  EXPECT_EQ(rt::ResolveDllCommand(rt::kDllRtlMoveMemory),
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "RtlMoveMemory")));
  HWND fg = rt::CallDll<decltype(&::GetForegroundWindow)>(rt::kDllGetForegroundWindow);
  EXPECT_EQ(fg, GetForegroundWindow());
}

TEST(DllCommand, UnknownExportEndsWithAMessageNamingIt) {
  std::string box = test::FatalTextOf([] { rt::ResolveExport("", "NoSuchExportAnywhere"); });
  EXPECT_NE(box.find("NoSuchExportAnywhere"), std::string::npos);
  EXPECT_EQ(rt::DllOrdinal("#70000"), 70000 & 0xFFFF);
  EXPECT_EQ(rt::DllOrdinal("GetDC"), -1);
}

}  // namespace
}  // namespace lizhi
