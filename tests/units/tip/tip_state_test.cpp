#include "units/tip/tip_state.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace lizhi::tip {
namespace {

// Timers that fire only when the test says so; a record of what the window
// side was asked to do.
class FakePlatform : public TipPlatform {
 public:
  std::map<int32_t, int32_t> timers;  // running timers and their periods
  std::vector<int32_t> painted;       // transparency of each show and repaint
  std::vector<std::string> shows;
  TipPoint cursor;
  bool visible = false;
  int closed = 0;

  void StartTimer(int32_t id, int32_t ms) override { timers[id] = ms; }
  void StopTimer(int32_t id) override { timers.erase(id); }
  TipPoint Cursor() override { return cursor; }
  bool BuildAndShow(const TipTool& tool, TipPoint, int32_t transparency) override {
    if (tool.text.empty()) return false;
    shows.push_back(tool.text);
    painted.push_back(transparency);
    visible = true;
    return true;
  }
  void Repaint(int32_t transparency) override { painted.push_back(transparency); }
  bool WindowVisible() override { return visible; }
  void HideWindow() override { visible = false; }
  void PostClosed() override { ++closed; }

  bool Running(int32_t id) const { return timers.count(id) != 0; }
  // Fires `id` until it stops, at most `limit` times.
  void Drain(TipMachine& m, int32_t id, int limit = 20) {
    while (Running(id) && limit-- > 0) m.OnTimer(id);
  }
};

struct TipMachineTest : ::testing::Test {
  FakePlatform platform;
  TipMachine machine{platform};
};

TEST_F(TipMachineTest, FadeInGoesDownInStepsOfTwentyToTheToolsTransparency) {
  machine.settings.fadeInStep = 100;
  machine.settings.defaults.transparency = 10;
  machine.ShowHelpTip("line", {5, 5}, true);
  EXPECT_EQ(machine.state(), TipState::kAppearing);
  EXPECT_EQ(platform.timers[kTimerFadeIn], 100);
  platform.Drain(machine, kTimerFadeIn);
  EXPECT_EQ(platform.painted, (std::vector<int32_t>{100, 80, 60, 40, 20, 10}));
  EXPECT_EQ(machine.state(), TipState::kShown);
  EXPECT_EQ(platform.timers[kTimerHide], 5000);  // keep-auto-hide given: the timer runs
}

TEST_F(TipMachineTest, KeepAutoHideZeroIgnoresTheAutoHideDelay) {
  machine.settings.autoHideDelay = 2000;
  machine.ShowHelpTip("line", {5, 5}, false);
  EXPECT_EQ(machine.state(), TipState::kShown);
  EXPECT_FALSE(platform.Running(kTimerHide));
  EXPECT_TRUE(machine.shown().style & kStyleNoAutoHide);
  // The next show replaces it at once (no fade-out), then a pop takes it down.
  machine.ShowHelpTip("next", {5, 5}, false);
  EXPECT_EQ(platform.shows, (std::vector<std::string>{"line", "next"}));
  EXPECT_EQ(platform.closed, 1);
  machine.Pop();
  EXPECT_FALSE(platform.visible);
  EXPECT_EQ(platform.closed, 2);
  EXPECT_EQ(machine.state(), TipState::kHidden);
  EXPECT_TRUE(platform.timers.empty());
}

TEST_F(TipMachineTest, AShowDuringAFadeOutIsShownWhenTheFadeOutEnds) {
  machine.settings.fadeOutStep = 50;
  machine.settings.defaults.transparency = 10;
  machine.ShowHelpTip("first", {5, 5}, false);
  machine.ShowHelpTip("second", {7, 7}, false);
  EXPECT_EQ(machine.state(), TipState::kDisappearing);
  EXPECT_TRUE(machine.queued());
  EXPECT_EQ(platform.shows, std::vector<std::string>{"first"});
  platform.Drain(machine, kTimerFadeOut);
  EXPECT_EQ(platform.shows, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(machine.state(), TipState::kShown);
  EXPECT_TRUE(machine.helpMode());
  // Fade-out from 10: 30, 50, 70, 90, then hidden.
  EXPECT_EQ(platform.painted, (std::vector<int32_t>{10, 30, 50, 70, 90, 10}));
}

TEST_F(TipMachineTest, TimedHideAndDelayedRequests) {
  machine.settings.autoHideDelay = 300;
  machine.settings.initialDelay = 600;
  platform.cursor = {9, 9};
  TipTool tool;
  tool.text = "hover";
  machine.RequestShow(tool, {9, 9}, true);
  EXPECT_EQ(platform.timers[kTimerShow], 600);
  EXPECT_TRUE(platform.shows.empty());
  machine.OnTimer(kTimerShow);
  EXPECT_EQ(platform.shows, std::vector<std::string>{"hover"});
  machine.OnTimer(kTimerHide);
  EXPECT_EQ(machine.state(), TipState::kHidden);
  EXPECT_FALSE(platform.visible);
  EXPECT_EQ(platform.closed, 1);
  // The cursor moved away before the delay ended: nothing is shown.
  machine.RequestShow(tool, {9, 9}, true);
  platform.cursor = {50, 50};
  machine.OnTimer(kTimerShow);
  EXPECT_EQ(platform.shows.size(), 1u);
}

TEST_F(TipMachineTest, EmptyTextShowsNothingAndDefaultsFillUnsuppliedFields) {
  machine.ShowHelpTip("", {5, 5}, false);
  EXPECT_EQ(machine.state(), TipState::kHidden);
  EXPECT_FALSE(platform.visible);
  EXPECT_TRUE(platform.shows.empty());

  TipTool defaults;
  defaults.placement = 17;
  defaults.transparency = 30;
  defaults.style = kStyleNoHideOnMove;
  defaults.colours[0] = 0x123456;
  TipTool tool;
  tool.mask = kMaskStyle | kMaskTransparency;
  tool.style = kStyleTrackMouse;
  tool.transparency = 150;  // percent: kept within 0..100
  TipTool resolved = ResolveTool(tool, defaults);
  EXPECT_EQ(resolved.placement, 17);
  EXPECT_EQ(resolved.style, kStyleTrackMouse);
  EXPECT_EQ(resolved.transparency, 100);
  EXPECT_EQ(resolved.colours[0], 0x123456u);
}

}  // namespace
}  // namespace lizhi::tip
