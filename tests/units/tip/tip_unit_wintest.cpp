// The balloon tip under Wine: where it lands, what it paints, what pops it,
// and the events it fires.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/base/win_handles.h"
#include "runtime/frame/unit_host.h"
#include "units/tip/tip_engine_win.h"
#include "units/tip/tip_hooks_win.h"
#include "units/tip/tip_properties.h"
#include "units/tip/tip_unit.h"
#include "units/tray/tray_test_support_win.h"

namespace lizhi::tip {
namespace {

constexpr uint32_t kWindowId = 0x52019997;
constexpr uint32_t kUnitId = 0x160122F2;

struct Recorded {
  std::vector<int32_t> events;
  bool refuseShow = false;
  std::string replaceText;
};
Recorded& Rec() {
  static Recorded r;
  return r;
}

intptr_t RecordHost(int32_t code, intptr_t first, intptr_t) {
  if (code != rt::kHostFireEvent) return 0;
  auto& event = *reinterpret_cast<rt::EventRecord*>(first);
  Rec().events.push_back(event.eventIndex);
  if (event.eventIndex == kEventBeforeShow && Rec().refuseShow) {
    event.hasResult = 1;
    event.result = 0;
  }
  return 1;
}

COLORREF ScreenPixel(int x, int y) {
  win::WindowDc screen(nullptr);
  return GetPixel(screen.get(), x, y);
}

class BalloonTip : public ::testing::Test {
 protected:
  void SetUp() override {
    Rec() = Recorded{};
    saved_ = TipHooks();
    TipHooks().host = &RecordHost;
    parent_ = tray::test::MakeTopLevelWindow();
    // A white backdrop, so that the shadow has something to darken.
    backdrop_.reset(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, tray::test::PlainClass("LizhiTipBackdrop"), "",
                                    WS_POPUP | WS_VISIBLE, 300, 250, 400, 300, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr));
    UpdateWindow(backdrop_.get());
    RECT r{300, 250, 700, 550};
    ASSERT_TRUE(tray::test::WaitForScreenColour(r, RGB(255, 255, 255)));
    rt::UnitCreateParams params;
    params.parentWindow = parent_.get();
    params.windowId = kWindowId;
    params.unitId = kUnitId;
    params.controlId = 7;
    unit_ = TipUnitType().create(params);
    ASSERT_NE(unit_, nullptr);
    engine_ = static_cast<TipEngine*>(TipEngineOf(kWindowId, kUnitId));
    ASSERT_NE(engine_, nullptr);
  }
  void TearDown() override {
    parent_.reset();
    backdrop_.reset();
    tray::test::PumpFor(20);
    TipHooks() = saved_;
  }
  bool TipVisible() const { return IsWindowVisible(engine_->window()) != FALSE; }
  bool Show(const char* text) { return ShowTipAt(kWindowId, kUnitId, 500, 400, text, -1); }

  TipUnitHooks saved_{};
  win::Window parent_;
  win::Window backdrop_;
  void* unit_ = nullptr;
  TipEngine* engine_ = nullptr;
};

TEST_F(BalloonTip, ShownAtAPointWithItsAnchorTextAndShadow) {
  ASSERT_TRUE(Show("Hello balloon"));
  ASSERT_TRUE(TipVisible());
  RECT w;
  GetWindowRect(engine_->window(), &w);
  const TipLayout& l = engine_->layout();
  EXPECT_EQ(l.placement, 16);
  EXPECT_LE(std::abs(w.left + l.anchor.x - 500), 2);
  EXPECT_LE(std::abs(w.top + l.anchor.y - 400), 2);
  tray::test::PumpFor(100);

  int dark = 0;
  for (int y = l.content.top; y < l.content.bottom; ++y) {
    for (int x = l.content.left; x < l.content.right; ++x) {
      COLORREF c = ScreenPixel(w.left + x, w.top + y);
      // The Song face's thin strokes come out grey once smoothed.
      if (GetRValue(c) < 180 && GetGValue(c) < 180 && GetBValue(c) < 180) ++dark;
    }
  }
  EXPECT_GT(dark, 20) << "text pixels in the content rectangle";

  // Beside the body on the right, inside the shadow's copy of the shape.
  COLORREF shade = ScreenPixel(w.left + l.body.right + 3, w.top + (l.body.top + l.body.bottom) / 2);
  EXPECT_LT(GetRValue(shade), 250);
  EXPECT_LT(GetGValue(shade), 250);
  EXPECT_LT(GetBValue(shade), 250);
}

TEST_F(BalloonTip, AClickOrAKeyInTheProgramHidesItAndTipClosedFires) {
  for (UINT message : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(WM_KEYDOWN)}) {
    Rec().events.clear();
    ASSERT_TRUE(Show("pop me"));
    ASSERT_TRUE(TipVisible());
    PostMessageA(parent_.get(), message, 0, 0);
    tray::test::PumpFor(50);
    EXPECT_FALSE(TipVisible()) << message;
    EXPECT_TRUE(tray::test::PumpUntil(
        [] { return std::find(Rec().events.begin(), Rec().events.end(), kEventTipClosed) != Rec().events.end(); },
        1000))
        << message;
  }
}

TEST_F(BalloonTip, BeforeShowFalseOrAnEmptyTextShowsNothing) {
  Rec().refuseShow = true;
  ASSERT_TRUE(Show("refused"));
  EXPECT_FALSE(TipVisible());
  EXPECT_EQ(Rec().events, std::vector<int32_t>{kEventBeforeShow});
  Rec().refuseShow = false;
  ASSERT_TRUE(Show(""));
  EXPECT_FALSE(TipVisible());
  EXPECT_FALSE(ShowTipAt(kWindowId, kUnitId + 1, 1, 1, "no such unit", -1));
}

// Blue pixels of a screen rectangle: the link's smoothed strokes, and its
// underline in the hover style.
int BluePixels(const RECT& r) {
  win::WindowDc screen(nullptr);
  int n = 0;
  for (LONG y = r.top; y < r.bottom; ++y) {
    for (LONG x = r.left; x < r.right; ++x) {
      COLORREF c = GetPixel(screen.get(), x, y);
      n += GetBValue(c) > std::max(GetRValue(c), GetGValue(c)) + 60;
    }
  }
  return n;
}

// The mouse arrives at `p` in two small moves, as a hand moves it.
void MoveMouseTo(POINT p) {
  SetCursorPos(p.x - 1, p.y);
  tray::test::PumpFor(20);
  SetCursorPos(p.x, p.y);
}

TEST_F(BalloonTip, ALinkTakesItsHoverStyleUnderTheMouseAndLosesItWhenTheMouseLeaves) {
  SetCursorPos(20, 20);
  const char* text = "<a href=\"http://example.com/\">hover line</a>";
  ASSERT_TRUE(ShowTipAt(kWindowId, kUnitId, 500, 400, text, 0));  // kept until the next show
  ASSERT_TRUE(TipVisible());
  RECT w;
  GetWindowRect(engine_->window(), &w);
  const TipLayout& l = engine_->layout();
  RECT link{l.content.right, l.content.bottom, l.content.left, l.content.top};
  for (int y = l.content.top; y < l.content.bottom; ++y) {
    for (int x = l.content.left; x < l.content.right; ++x) {
      if (engine_->drawer().LinkAt({x, y}) < 0) continue;
      link = {std::min<LONG>(link.left, x), std::min<LONG>(link.top, y), std::max<LONG>(link.right, x + 1),
              std::max<LONG>(link.bottom, y + 1)};
    }
  }
  ASSERT_GT(link.right - link.left, 20);
  const POINT over{w.left + (link.left + link.right) / 2, w.top + (link.top + link.bottom) / 2};
  OffsetRect(&link, w.left, w.top);
  link.bottom += 2;
  tray::test::PumpFor(100);
  const int plain = BluePixels(link);
  EXPECT_GT(plain, 10) << "the link is drawn blue";

  const int underlined = plain + (link.right - link.left) / 2;
  MoveMouseTo(over);
  EXPECT_TRUE(tray::test::PumpUntil([&] { return BluePixels(link) >= underlined; }, 3000)) << "hovered: underlined";
  EXPECT_EQ(engine_->drawer().hovered(), 0);
  SetCursorPos(20, 20);  // away from every window of this program
  EXPECT_TRUE(tray::test::PumpUntil([&] { return BluePixels(link) == plain; }, 3000)) << "left: plain again";
  EXPECT_EQ(engine_->drawer().hovered(), -2);

  // A new show under a hovered link starts with none hovered.
  MoveMouseTo(over);
  ASSERT_TRUE(tray::test::PumpUntil([&] { return engine_->drawer().hovered() == 0; }, 3000));
  ASSERT_TRUE(ShowTipAt(kWindowId, kUnitId, 500, 300, text, 0));
  EXPECT_EQ(engine_->drawer().hovered(), -2);
  SetCursorPos(20, 20);
}

TEST_F(BalloonTip, PropertiesReadBackAndTheBlockRoundTrips) {
  const rt::UnitType& type = TipUnitType();
  type.propertyWritten(unit_, kPropTransparency - 8, -1, rt::MakeInt(30));
  type.propertyWritten(unit_, kPropTransparency - 8, -1, rt::MakeInt(150));
  type.propertyWritten(unit_, kPropHideOnTipHover - 8, -1, rt::MakeLogical(false));
  rt::TypedValue out;
  ASSERT_TRUE(type.readProperty(unit_, kPropTransparency - 8, out));
  EXPECT_EQ(rt::IntOf(out), 30);
  ASSERT_TRUE(type.readProperty(unit_, kPropHideOnTipHover - 8, out));
  EXPECT_EQ(out.type, rt::kTypeLogical);
  EXPECT_EQ(rt::IntOf(out), 0);
  EXPECT_FALSE(type.readProperty(unit_, 64 - 8, out));
  EXPECT_EQ(engine_->settings().defaults.transparency, 30);
  EXPECT_TRUE(engine_->settings().defaults.style & kStyleKeepOverTip);

  std::vector<uint8_t> block = type.saveBlock(unit_);
  auto back = LoadTipBlock(block.data(), block.size(), TipProperties{});
  ASSERT_TRUE(back);
  EXPECT_EQ(back->transparency, 30);
  EXPECT_EQ(back->keepOverTip, 1);
}

TEST(TipEngineAlone, ShowsWithItsDefaultsAndNotifiesNobody) {
  TipEngine engine(nullptr);
  ASSERT_TRUE(engine.ok());
  ASSERT_TRUE(ListTipEngine(&engine));
  engine.ShowAt(400, 300, "alone", false);
  EXPECT_TRUE(IsWindowVisible(engine.window()));
  EXPECT_EQ(engine.machine().state(), TipState::kShown);
  engine.Pop();
  EXPECT_FALSE(IsWindowVisible(engine.window()));
}

TEST(TipEngineAlone, ThreeHundredShowsWithFadesGiveBackEveryObjectTheyTook) {
  TipEngine engine(nullptr);
  ASSERT_TRUE(engine.ok());
  ASSERT_TRUE(ListTipEngine(&engine));
  // Timers are stepped by hand: every fade step composes and paints.
  auto showOnce = [&](int i) {
    engine.ShowAt(300 + i % 7, 300, "\xC0\xF8\xD6\xBE <b>line</b> " + std::to_string(i), false);
    for (int step = 0; engine.machine().state() == TipState::kAppearing && step < 100; ++step) {
      engine.machine().OnTimer(kTimerFadeIn);
    }
    engine.machine().OnTimer(kTimerHide);
    for (int step = 0; engine.machine().state() == TipState::kDisappearing && step < 100; ++step) {
      engine.machine().OnTimer(kTimerFadeOut);
    }
  };
  showOnce(0);  // fonts and caches made once
  const long before = win::LiveGuiObjects();
  for (int i = 1; i <= 300; ++i) showOnce(i);
  EXPECT_EQ(engine.machine().state(), TipState::kHidden);
  EXPECT_EQ(win::LiveGuiObjects(), before);
}

}  // namespace
}  // namespace lizhi::tip
