// The tray icon unit for real under Wine: the notification area through
// Shell_NotifyIconA, the taskbar's re-creation, mouse notifications, and the
// locator's probe on the screen.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "data/startup_window.h"
#include "data/tray_icon.h"
#include "runtime/base/memory.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/window_table.h"
#include "support/fatal_trap.h"
#include "tray_test_support_win.h"
#include "units/tray/property_block.h"
#include "units/tray/taskbar_filter_win.h"
#include "units/tray/tray_icon_unit.h"

namespace lizhi::tray {
namespace {

using test::ShellHasIcon;
using test::SolidIconFile;

constexpr uint32_t kWindowId = 0x52019999;
const std::string kPlayingTip = "\xD5\xFD\xD4\xDA\xB2\xA5\xB7\xC5:<<\xC0\xF8\xD6\xBE>>";  // 正在播放:<<励志>>

// A byte-array value in runtime memory, freed with the value.
struct BytesArg {
  explicit BytesArg(const std::vector<uint8_t>& bytes) : block(rt::MakeByteArray(bytes.data(), bytes.size())) {}
  ~BytesArg() { rt::Free(block); }
  BytesArg(const BytesArg&) = delete;
  BytesArg& operator=(const BytesArg&) = delete;
  rt::TypedValue value() const { return rt::MakeBytesValue(block); }
  void* block;
};

class TrayIconUnit : public ::testing::Test {
 protected:
  void SetUp() override { parent_ = test::MakeTopLevelWindow(); }
  void TearDown() override {
    parent_.reset();
    extraParents_.clear();
  }

  void* Create(const TrayIconProperties& properties, HWND parent = nullptr) {
    std::vector<uint8_t> block = SaveTrayIconBlock(properties);
    rt::UnitCreateParams p;
    p.block = block.data();
    p.blockSize = block.size();
    p.parentWindow = parent ? parent : parent_.get();
    p.width = 32;
    p.height = 32;
    p.controlId = 100 + nextUnit_;
    p.windowId = kWindowId;
    p.unitId = 0x16010000 + nextUnit_++;
    return TrayIconUnitType().create(p);
  }
  static TrayIconProperties WithIcon(const std::string& tip = kPlayingTip) {
    TrayIconProperties p;
    p.icon = SolidIconFile(16, 0x00C03020);
    p.tip = tip;
    return p;
  }
  static HWND WindowOf(void* unit) { return static_cast<HWND>(TrayIconUnitType().windowOf(unit)); }
  static void Write(void* unit, int32_t own, const rt::TypedValue& v) {
    TrayIconUnitType().propertyWritten(unit, own, -1, v);
  }
  static rt::TypedValue Read(void* unit, int32_t own) {
    rt::TypedValue out;
    EXPECT_TRUE(TrayIconUnitType().readProperty(unit, own, out));
    return out;
  }
  HWND NewParent() {
    extraParents_.push_back(test::MakeTopLevelWindow());
    return extraParents_.back().get();
  }

  test::TrayRecorder recorder_;
  win::Window parent_;
  std::vector<win::Window> extraParents_;
  int nextUnit_ = 1;
};

TEST_F(TrayIconUnit, AddsItsIconWithItsTipAndKeepsTheTipCurrent) {
  void* unit = Create(WithIcon());
  ASSERT_NE(unit, nullptr);
  HWND window = WindowOf(unit);
  EXPECT_TRUE(ShellHasIcon(window));
  TrayIconState state = CurrentTrayIconState(unit);
  EXPECT_TRUE(state.added);
  ASSERT_NE(state.icon, nullptr);

  auto sent = recorder_.NotificationsFor(window);
  ASSERT_FALSE(sent.empty());
  const NOTIFYICONDATAA& add = sent.front().record;
  EXPECT_EQ(sent.front().message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(add.cbSize, 488u);
  EXPECT_EQ(add.uID, static_cast<UINT>(reinterpret_cast<UINT_PTR>(window)));
  EXPECT_EQ(add.uFlags, 7u);
  EXPECT_EQ(add.uCallbackMessage, 0x8064u);
  EXPECT_EQ(add.hIcon, state.icon);
  EXPECT_EQ(std::string(add.szTip), kPlayingTip);

  Write(unit, kOwnTipText, rt::MakeTextValue("next tip"));
  sent = recorder_.NotificationsFor(window);
  EXPECT_EQ(sent.back().message, static_cast<DWORD>(NIM_MODIFY));
  EXPECT_EQ(std::string(sent.back().record.szTip), "next tip");
  rt::TypedValue tip = Read(unit, kOwnTipText);
  EXPECT_STREQ(rt::TextOf(tip), "next tip");
  rt::Free(rt::GetPointer(tip));
}

TEST_F(TrayIconUnit, LongTipIsCutWholeCharactersInsideTheField) {
  std::string longTip;
  for (int i = 0; i < 100; ++i) longTip += "\xD5\xFD";
  void* unit = Create(WithIcon(longTip));
  ASSERT_NE(unit, nullptr);
  EXPECT_TRUE(ShellHasIcon(WindowOf(unit)));
  EXPECT_EQ(CurrentTrayIconState(unit).tip, longTip.substr(0, 126));
}

TEST_F(TrayIconUnit, ShowInTrayWithoutIconAddsNothingUntilAnIconIsSet) {
  TrayIconProperties noIcon;
  noIcon.showInTray = true;
  void* unit = Create(noIcon);
  ASSERT_NE(unit, nullptr);
  HWND window = WindowOf(unit);
  Write(unit, kOwnShowInTray, rt::MakeLogical(true));
  EXPECT_FALSE(ShellHasIcon(window));
  EXPECT_FALSE(CurrentTrayIconState(unit).added);
  EXPECT_TRUE(recorder_.NotificationsFor(window).empty());

  BytesArg icon(SolidIconFile(16, 0x000000FF));
  Write(unit, kOwnIcon, icon.value());
  EXPECT_TRUE(ShellHasIcon(window));
  EXPECT_TRUE(CurrentTrayIconState(unit).added);
}

TEST_F(TrayIconUnit, EmptyIconRemovesItAndClearsTheHandle) {
  void* unit = Create(WithIcon());
  ASSERT_NE(unit, nullptr);
  ASSERT_TRUE(ShellHasIcon(WindowOf(unit)));
  Write(unit, kOwnIcon, rt::MakeBytesValue(nullptr));
  EXPECT_FALSE(ShellHasIcon(WindowOf(unit)));
  EXPECT_EQ(CurrentTrayIconState(unit).icon, nullptr);
  EXPECT_FALSE(CurrentTrayIconState(unit).added);
  rt::TypedValue bytes = Read(unit, kOwnIcon);
  EXPECT_EQ(rt::ByteArrayLength(rt::GetPointer(bytes)), 0u);
}

TEST_F(TrayIconUnit, OnlyA48PixelImageRemovesTheIconAndKeepsThePreviousHandle) {
  void* unit = Create(WithIcon());
  ASSERT_NE(unit, nullptr);
  HWND window = WindowOf(unit);
  void* previous = CurrentTrayIconState(unit).icon;
  ASSERT_NE(previous, nullptr);

  BytesArg large(SolidIconFile(48, 0x0000FF00));
  Write(unit, kOwnIcon, large.value());
  EXPECT_FALSE(ShellHasIcon(window));
  EXPECT_EQ(CurrentTrayIconState(unit).icon, previous);
  EXPECT_EQ(CurrentTrayIconState(unit).iconBytes, SolidIconFile(48, 0).size());

  // The tray shows nothing until a readable icon is set, whatever else changes.
  Write(unit, kOwnTipText, rt::MakeTextValue("still hidden"));
  EXPECT_FALSE(ShellHasIcon(window));

  auto bundled = data::TrayIconBytes();
  BytesArg readable(std::vector<uint8_t>(bundled.begin(), bundled.end()));  // one 32 x 32 image
  Write(unit, kOwnIcon, readable.value());
  EXPECT_TRUE(ShellHasIcon(window));
  EXPECT_NE(CurrentTrayIconState(unit).icon, previous);
}

TEST_F(TrayIconUnit, ShowInTrayFalseRemovesAndTrueBringsBack) {
  void* unit = Create(WithIcon());
  ASSERT_NE(unit, nullptr);
  HWND window = WindowOf(unit);
  Write(unit, kOwnShowInTray, rt::MakeLogical(false));
  EXPECT_FALSE(ShellHasIcon(window));
  Write(unit, kOwnTipText, rt::MakeTextValue("hidden"));
  EXPECT_FALSE(ShellHasIcon(window));
  Write(unit, kOwnShowInTray, rt::MakeLogical(true));
  EXPECT_TRUE(ShellHasIcon(window));
  EXPECT_EQ(CurrentTrayIconState(unit).tip, "hidden");
}

TEST_F(TrayIconUnit, TaskbarCreatedBroadcastBringsEveryLiveIconBackWithItsIconAndTip) {
  void* first = Create(WithIcon("first"));
  void* second = Create(WithIcon("second"), NewParent());
  ASSERT_TRUE(first && second);
  Write(second, kOwnTipText, rt::MakeTextValue("second, changed"));
  HWND a = WindowOf(first), b = WindowOf(second);
  test::ShellForgetIcon(a);
  test::ShellForgetIcon(b);
  ASSERT_FALSE(ShellHasIcon(a) || ShellHasIcon(b));
  recorder_.Clear();

  PostMessageA(HWND_BROADCAST, TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(test::PumpUntil([&] { return ShellHasIcon(a) && ShellHasIcon(b); }, 3000));

  for (void* unit : {first, second}) {
    auto sent = recorder_.NotificationsFor(WindowOf(unit));
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front().message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(sent.front().record.hIcon, CurrentTrayIconState(unit).icon);
  }
  EXPECT_STREQ(recorder_.NotificationsFor(a).front().record.szTip, "first");
  EXPECT_STREQ(recorder_.NotificationsFor(b).front().record.szTip, "second, changed");
}

TEST_F(TrayIconUnit, ButtonPressesFireNothingAndReleasesFireClickAndRightClick) {
  void* unit = Create(WithIcon());
  ASSERT_NE(unit, nullptr);
  HWND window = WindowOf(unit);
  const WPARAM id = reinterpret_cast<WPARAM>(window);
  for (UINT ignored : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONUP}) {
    EXPECT_EQ(SendMessageA(window, kTrayCallbackMessage, id, ignored), 0);
  }
  EXPECT_TRUE(recorder_.Events().empty());

  SetCursorPos(321, 234);
  for (UINT released : {WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE}) {
    EXPECT_EQ(SendMessageA(window, kTrayCallbackMessage, id, released), 0);
  }
  auto events = recorder_.Events();
  ASSERT_EQ(events.size(), 4u);
  const int32_t expected[] = {0, 2, 1, 3};
  for (size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].event.windowId, kWindowId);
    EXPECT_EQ(events[i].event.unitId, 0x16010001u);
    EXPECT_EQ(events[i].event.eventIndex, expected[i]);
  }
  EXPECT_EQ(events[0].event.argCount, 0);
  POINT cursor;
  GetCursorPos(&cursor);
  EXPECT_EQ(events[3].event.argCount, 2);
  EXPECT_EQ(events[3].event.args[0], cursor.x);
  EXPECT_EQ(events[3].event.args[1], cursor.y);
}

TEST_F(TrayIconUnit, SavedBlockHoldsTheCurrentProperties) {
  void* unit = Create(WithIcon("saved"));
  ASSERT_NE(unit, nullptr);
  Write(unit, kOwnShowInTray, rt::MakeLogical(false));
  std::vector<uint8_t> block = TrayIconUnitType().saveBlock(unit);
  auto back = LoadTrayIconBlock(block.data(), block.size());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->icon, SolidIconFile(16, 0x00C03020));
  EXPECT_EQ(back->tip, "saved");
  EXPECT_FALSE(back->showInTray);
}

TEST_F(TrayIconUnit, WritesOfAnotherKindLeaveIconAndTipAsTheyWere) {
  void* unit = Create(WithIcon("kept"));
  ASSERT_NE(unit, nullptr);
  // An integer whose value would be a wild address if read as a block or text.
  Write(unit, kOwnIcon, rt::MakeInt(0x10));
  Write(unit, kOwnTipText, rt::MakeInt(0x10));
  std::vector<uint8_t> block = TrayIconUnitType().saveBlock(unit);
  auto back = LoadTrayIconBlock(block.data(), block.size());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->icon, SolidIconFile(16, 0x00C03020));
  EXPECT_EQ(back->tip, "kept");
  EXPECT_TRUE(CurrentTrayIconState(unit).added);
}

TEST_F(TrayIconUnit, DesignSurfaceShowsTheIconCentredOnButtonFace) {
  extraParents_.push_back(test::MakeTopLevelWindow(true));
  HWND parent = extraParents_.back().get();
  TrayIconProperties p;
  p.icon = SolidIconFile(16, 0x00FF0000);  // red
  p.showInTray = false;
  std::vector<uint8_t> block = SaveTrayIconBlock(p);
  rt::UnitCreateParams params;
  params.block = block.data();
  params.blockSize = block.size();
  params.parentWindow = parent;
  params.style = WS_VISIBLE;
  params.left = 10;
  params.top = 10;
  params.width = 32;
  params.height = 33;
  void* unit = TrayIconUnitType().create(params);
  ASSERT_NE(unit, nullptr);
  HWND window = WindowOf(unit);
  UpdateWindow(window);
  RECT r;
  GetWindowRect(window, &r);
  // The icon sits at ((32 - 16) / 2, (33 - 16) / 2); the rest is button face
  // inside a one-pixel frame of the default pen.
  RECT icon{r.left + 8, r.top + 8, r.left + 24, r.top + 24};
  EXPECT_TRUE(test::WaitForScreenColour(icon, RGB(255, 0, 0)));
  EXPECT_TRUE(test::WaitForScreenColour({r.left + 2, r.top + 2, r.left + 6, r.top + 6}, GetSysColor(COLOR_BTNFACE)));
  EXPECT_TRUE(test::WaitForScreenColour({r.left, r.top, r.right, r.top + 1}, RGB(0, 0, 0)));
}

TEST_F(TrayIconUnit, UnreadableBlockCreatesNothing) {
  const uint8_t damaged[] = {1, 0x40, 0, 0, 0, 1, 2};
  rt::UnitCreateParams p;
  p.block = damaged;
  p.blockSize = sizeof damaged;
  p.parentWindow = parent_.get();
  EXPECT_EQ(TrayIconUnitType().create(p), nullptr);
}

TEST_F(TrayIconUnit, DestructionLeavesTheTrayAndTellsTheFrame) {
  const size_t before = TrayInstanceCount();
  const LONG_PTR originalProc = GetWindowLongPtrA(parent_.get(), GWLP_WNDPROC);
  void* unit = Create(WithIcon());
  ASSERT_NE(unit, nullptr);
  HWND window = WindowOf(unit);
  EXPECT_EQ(TrayInstanceCount(), before + 1);
  if (before == 0) {
    EXPECT_EQ(FilteredWindow(), parent_.get());
    EXPECT_NE(GetWindowLongPtrA(parent_.get(), GWLP_WNDPROC), originalProc);
  }

  win::Window(window).reset();  // the unit goes with its window
  EXPECT_FALSE(ShellHasIcon(window));
  EXPECT_EQ(TrayInstanceCount(), before);
  ASSERT_FALSE(recorder_.hostCalls.empty());
  const test::HostCall& last = recorder_.hostCalls.back();
  EXPECT_EQ(last.code, rt::kHostUnitDestroyed);
  EXPECT_EQ(static_cast<uint32_t>(last.first), kWindowId);
  EXPECT_EQ(static_cast<uint32_t>(last.second), 0x16010001u);
  if (before == 0) {
    EXPECT_EQ(GetWindowLongPtrA(parent_.get(), GWLP_WNDPROC), originalProc);
    EXPECT_EQ(FilteredWindow(), nullptr);
    // A later icon installs the filter again.
    ASSERT_NE(Create(WithIcon()), nullptr);
    EXPECT_EQ(FilteredWindow(), parent_.get());
  }
}

TEST_F(TrayIconUnit, RefusedAddsAreRetriedUntilTheShellHoldsTheIconAndTheLocatorIsTold) {
  struct Case {
    const char* name;
    int failures;
    bool shellTookTheFailedAdd;  // the add timed out, yet the icon is there
  };
  TrayHooks().addRetryMs = 50;
  for (const Case c : {Case{"no notification area yet", 3, false}, Case{"add timed out", 1, true}}) {
    void* unit = nullptr;
    {
      test::FlakyShell shell(c.failures, c.shellTookTheFailedAdd);
      unit = Create(WithIcon());
      ASSERT_NE(unit, nullptr) << c.name;
      EXPECT_FALSE(CurrentTrayIconState(unit).added) << c.name << ": a refused add is no icon";
      EXPECT_TRUE(test::PumpUntil([&] { return CurrentTrayIconState(unit).added; }, 5000)) << c.name;
    }
    HWND window = WindowOf(unit);
    EXPECT_TRUE(ShellHasIcon(window)) << c.name;
    EXPECT_TRUE(CurrentTrayIconState(unit).locatorHasRecord) << c.name;
    size_t adds = 0;
    for (const test::Notification& n : recorder_.NotificationsFor(window)) adds += n.message == NIM_ADD;
    if (c.shellTookTheFailedAdd) {
      EXPECT_EQ(adds, 1u) << c.name << ": the change found the icon; no second add";
    }
    win::Window(window).reset();  // the unit goes with its window
  }
}

TEST_F(TrayIconUnit, AFatalErrorTakesTheIconOutOfTheTray) {
  void* unit = Create(WithIcon());
  ASSERT_NE(unit, nullptr);
  HWND window = WindowOf(unit);
  ASSERT_TRUE(ShellHasIcon(window));
  // The trap stands in for the message box and the end of the process.
  EXPECT_FALSE(::lizhi::test::FatalTextOf([] { rt::FatalRuntimeError("boom"); }).empty());
  EXPECT_FALSE(ShellHasIcon(window));
  EXPECT_FALSE(CurrentTrayIconState(unit).added);
}

}  // namespace
}  // namespace lizhi::tray
