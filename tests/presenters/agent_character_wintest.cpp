// Our own agent character on the screen under Wine: its shaped, topmost,
// never-activated window, its speech balloon at its head, and what clicks,
// double clicks, right clicks and drags do.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "presenters/character_window_win.h"
#include "support/pump_win.h"
#include "units/tip/tip_engine_win.h"

namespace lizhi::presenters {
namespace {

struct Mouse {
  int32_t keys, x, y;
  bool doubleClick;
};
std::vector<Mouse>& Heard() {
  static std::vector<Mouse> heard;
  return heard;
}
void OnClick(void*, int32_t keys, int32_t x, int32_t y) { Heard().push_back({keys, x, y, false}); }
void OnDoubleClick(void*, int32_t keys, int32_t x, int32_t y) { Heard().push_back({keys, x, y, true}); }

RECT WindowRect(HWND w) {
  RECT r{};
  GetWindowRect(w, &r);
  return r;
}

class OwnCharacter : public ::testing::Test {
 protected:
  void SetUp() override {
    Heard().clear();
    // A window of the user's that has the activation and must keep it.
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "LizhiUserWindow";
    RegisterClassA(&wc);
    user_.reset(CreateWindowExA(0, wc.lpszClassName, "user", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200,
                                nullptr, nullptr, wc.hInstance, nullptr));
    SetForegroundWindow(user_.get());
    test::PumpFor(50);
    character_ = std::make_unique<CharacterWindow>(nullptr, CharacterCallbacks{&OnClick, &OnDoubleClick, nullptr});
    ASSERT_TRUE(character_->PlaceAt(600, 400));
    character_->Show();
    test::PumpFor(CharacterAnimation::kAppearStepMs * CharacterAnimation::kAppearSteps + 100);
  }
  void TearDown() override {
    character_.reset();
    user_.reset();
    test::PumpFor(20);
  }
  HWND Window() const { return character_->window(); }
  LPARAM At(int x, int y) const { return MAKELPARAM(x, y); }  // client coordinates
  void Post(UINT message, int x, int y, WPARAM keys = 0) {
    PostMessageA(Window(), message, keys, At(x, y));
    test::PumpFor(10);
  }
  void Click(int x, int y) {
    Post(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    Post(WM_LBUTTONUP, x, y);
  }

  win::Window user_;
  std::unique_ptr<CharacterWindow> character_;
};

TEST_F(OwnCharacter, StandsShapedAndTopmostWhereItWasPlacedWithoutTakingTheActivation) {
  ASSERT_TRUE(IsWindowVisible(Window()));
  const RECT r = WindowRect(Window());
  EXPECT_EQ(r.left, 600);
  EXPECT_EQ(r.top, 400);
  EXPECT_EQ(r.right - r.left, character_->width());
  EXPECT_TRUE(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetForegroundWindow(), user_.get());

  win::Region region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(Window(), region.get()), COMPLEXREGION);
  RECT box{};
  GetRgnBox(region.get(), &box);
  const data::CharacterArt art = data::OwnCharacterArt();
  EXPECT_EQ(box.bottom,
            OpaqueRuns(DecodeCharacterFrame(art, data::kFrameIdle).opaque, art.width, art.height).back().y + 1)
      << "risen all the way";
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0)) << "the corner is cut away";
  EXPECT_TRUE(PtInRegion(region.get(), character_->width() / 2, character_->height() / 2));
  region.reset();

  character_->Hide();
  EXPECT_FALSE(IsWindowVisible(Window()));
  character_->Show();
  EXPECT_EQ(WindowRect(Window()).left, 600) << "shown again where it stood";
}

TEST_F(OwnCharacter, SpeaksInABalloonAtItsHeadThatTheNextLineReplaces) {
  character_->Speak("Hello <b>there</b>");
  tip::TipEngine* balloon = character_->balloon();
  ASSERT_NE(balloon, nullptr);
  ASSERT_TRUE(test::PumpUntil([&] { return IsWindowVisible(balloon->window()) != FALSE; }, 2000));
  const RECT b = WindowRect(balloon->window());
  const RECT c = WindowRect(Window());
  const tip::TipLayout& l = balloon->layout();
  const POINT anchor{b.left + l.anchor.x, b.top + l.anchor.y};
  EXPECT_GT(anchor.x, c.left);
  EXPECT_LT(anchor.x, c.right);
  EXPECT_GE(anchor.y, c.top);
  EXPECT_LT(anchor.y, c.top + character_->height() / 3) << "at the head";
  EXPECT_LE(b.bottom - 6, c.top + character_->height() / 3) << "above the character";
  EXPECT_EQ(GetForegroundWindow(), user_.get());

  character_->Speak("Second line, a good deal longer than the first one was");
  test::PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(balloon->window()));
  EXPECT_GT(WindowRect(balloon->window()).right - WindowRect(balloon->window()).left, b.right - b.left);
  character_->Hide();
  test::PumpUntil([&] { return !IsWindowVisible(balloon->window()); }, 2000);
  EXPECT_FALSE(IsWindowVisible(balloon->window()));
}

TEST_F(OwnCharacter, ClickWaitsForTheDoubleClickTimeDoubleClickGreetsRightClickAndDragAreHeard) {
  const int cx = character_->width() / 2, cy = character_->height() / 2;
  Click(cx, cy);
  EXPECT_TRUE(Heard().empty()) << "a second click may still come";
  test::PumpFor(GetDoubleClickTime() + 100);
  ASSERT_EQ(Heard().size(), 1u);
  EXPECT_FALSE(Heard()[0].doubleClick);
  EXPECT_EQ(Heard()[0].keys, 0);

  Heard().clear();
  Click(cx, cy);
  Click(cx, cy);
  test::PumpFor(GetDoubleClickTime() + 100);
  ASSERT_EQ(Heard().size(), 1u);
  EXPECT_TRUE(Heard()[0].doubleClick);

  Heard().clear();
  Post(WM_RBUTTONUP, cx, cy);
  ASSERT_EQ(Heard().size(), 1u) << "at once";
  EXPECT_EQ(Heard()[0].keys, MK_RBUTTON);
  EXPECT_EQ(Heard()[0].x, 600 + cx);
  EXPECT_EQ(Heard()[0].y, 400 + cy);

  Heard().clear();
  Post(WM_LBUTTONDOWN, cx, cy, MK_LBUTTON);
  Post(WM_MOUSEMOVE, cx - 30, cy - 20, MK_LBUTTON);
  // The window has moved: the cursor is again at (cx, cy) of its client area.
  Post(WM_MOUSEMOVE, cx - 10, cy, MK_LBUTTON);
  Post(WM_LBUTTONUP, cx, cy);
  test::PumpFor(GetDoubleClickTime() + 100);
  EXPECT_TRUE(Heard().empty()) << "a drag opens nothing";
  EXPECT_EQ(WindowRect(Window()).left, 560);
  EXPECT_EQ(WindowRect(Window()).top, 380);
  EXPECT_NE(GetCapture(), Window());
}

}  // namespace
}  // namespace lizhi::presenters
