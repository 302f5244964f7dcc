#include "app/display_cycle.h"

#include <gtest/gtest.h>

#include "app/core_texts.h"
#include "app/menu_commands.h"
#include "app/unit_props.h"
#include "data/startup_window.h"
#include "fake_host.h"
#include "runtime/frame/frame.h"

namespace lizhi::app {
namespace {

constexpr uint32_t kWindow = rt::kWindowUnitId;

TEST(DisplayTick, MouseFollowSetsLabelAndStripTenPixelsPerByte) {
  test::FakeHost host;
  host.checked = {data::kMenuMouseFollow};
  host.lines = {std::string(20, 'x')};  // ten Chinese characters are 20 bytes too
  OnDisplayTick(host);
  EXPECT_EQ(host.Int(kWindow, prop::kHeight), 24);
  EXPECT_EQ(host.Int(kWindow, prop::kWidth), 200);
  EXPECT_EQ(host.Text(data::kLineLabel, prop::kCaption), std::string(20, 'x'));
  EXPECT_EQ(host.Int(kWindow, prop::kVisible), -999) << "visibility is the follow tick's";
}

TEST(DisplayTick, MouseFollowWinsOverOtherCheckedModes) {
  test::FakeHost host;
  host.checked = {data::kMenuBalloon, data::kMenuMouseFollow, data::kMenuAgent};
  EXPECT_EQ(CheckedMode(host), DisplayMode::kMouseFollow);
  host.checked = {data::kMenuAgent, data::kMenuBalloon};
  EXPECT_EQ(CheckedMode(host), DisplayMode::kBalloon);
  host.checked = {};
  EXPECT_EQ(CheckedMode(host), DisplayMode::kTitleBar);
}

TEST(DisplayTick, BalloonShowsTipAtTrayIconAndHidesStrip) {
  test::FakeHost host;
  host.checked = {data::kMenuBalloon};
  host.ints[{data::kTrayIcon, prop::kIconScreenX}] = 1000;
  host.ints[{data::kTrayIcon, prop::kIconScreenY}] = 758;
  OnDisplayTick(host);
  EXPECT_EQ(host.Int(kWindow, prop::kVisible), 0);
  EXPECT_EQ(host.Int(kWindow, prop::kWidth), 0);
  EXPECT_EQ(host.calls, std::vector<std::string>{"ShowTipAt 1000,758 one"});
}

TEST(DisplayTick, AgentSpeaksTheNewLine) {
  test::FakeHost host;
  host.checked = {data::kMenuAgent};
  OnDisplayTick(host);
  EXPECT_EQ(host.calls, std::vector<std::string>{"Speak one"});
  EXPECT_EQ(host.Int(kWindow, prop::kVisible), 0);
}

TEST(DisplayTick, TitleBarPaintsOverThePreviousLine) {
  test::FakeHost host;
  host.checked = {data::kMenuTitleBar};
  OnDisplayTick(host);
  OnDisplayTick(host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"Present |one", "Present one|two"}));
  EXPECT_EQ(host.Int(kWindow, prop::kWidth), 0);
}

TEST(FollowTick, PlacesTopmostStripUnderCursorThenShowsItAfterTheDelay) {
  test::FakeHost host;
  host.checked = {data::kMenuMouseFollow};
  host.cursor = {123, 456};
  host.texts[{data::kLineLabel, prop::kCaption}] = std::string(7, 'x');
  host.ints[{kWindow, prop::kVisible}] = 0;
  host.ints[{kWindow, prop::kWindowState}] = prop::kMaximised;
  OnFollowTick(host);
  EXPECT_EQ(host.Int(kWindow, prop::kWindowState), 0) << "shown normally, not maximised";
  EXPECT_EQ(host.Int(kWindow, prop::kWidth), 70) << "as wide as the label's text";
  EXPECT_EQ(host.Int(kWindow, prop::kHeight), 24);
  EXPECT_EQ(host.Int(kWindow, prop::kAlwaysOnTop), 1);
  EXPECT_EQ(host.Int(kWindow, prop::kLeft), 123);
  EXPECT_EQ(host.Int(kWindow, prop::kTop), 476);
  EXPECT_EQ(host.Int(kWindow, prop::kVisible), 1);
  EXPECT_EQ(host.calls, std::vector<std::string>{"PumpingDelay 10"});
}

// Two monitors side by side (the right one at 144 dpi) and one stacked above
// the primary one at negative coordinates (192 dpi, taskbar at its bottom).
TEST(FollowTick, StripSizedForTheCursorsMonitorAndKeptInsideItsWorkArea) {
  struct Row {
    const char* what;
    CursorPoint cursor;
    int32_t left, top, width, height, labelHeight, labelDpi;
  };
  const Row rows[] = {
      {"primary, 96 dpi: as ever", {123, 456}, 123, 476, 70, 24, -999, -999},
      {"primary, near the taskbar: above the cursor", {100, 1030}, 100, 986, 70, 24, -999, -999},
      {"primary, at its right edge: pulled left", {1900, 300}, 1850, 320, 70, 24, -999, -999},
      {"right monitor, 144 dpi", {2000, 500}, 2000, 530, 105, 36, 27, 144},
      {"right monitor, at its right edge", {3190, 10}, 3095, 40, 105, 36, 27, 144},
      {"above, 192 dpi", {-300, -900}, -300, -860, 140, 48, 36, 192},
      {"above, near its bottom: above the cursor", {-300, -70}, -300, -158, 140, 48, 36, 192},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    test::FakeHost host;
    host.monitors = {{{0, 0, 1920, 1040}, 96}, {{1920, 0, 3200, 984}, 144}, {{-400, -1080, 1520, -40}, 192}};
    host.checked = {data::kMenuMouseFollow};
    host.cursor = r.cursor;
    host.texts[{data::kLineLabel, prop::kCaption}] = std::string(7, 'x');
    OnFollowTick(host);
    EXPECT_EQ(host.Int(kWindow, prop::kLeft), r.left);
    EXPECT_EQ(host.Int(kWindow, prop::kTop), r.top);
    EXPECT_EQ(host.Int(kWindow, prop::kWidth), r.width);
    EXPECT_EQ(host.Int(kWindow, prop::kHeight), r.height);
    EXPECT_EQ(host.Int(data::kLineLabel, prop::kHeight), r.labelHeight);
    EXPECT_EQ(host.Int(data::kLineLabel, prop::kLabelFontDpi), r.labelDpi);
  }
}

// A mode item taken while the delay pumps messages hides the strip; the rest
// of the tick must not show it again.
TEST(FollowTick, AModeChosenDuringTheDelayLeavesTheStripHidden) {
  struct SwitchingHost : test::FakeHost {
    void PumpingDelay(int32_t) override { ChooseTitleBar(*this); }
  };
  SwitchingHost host;
  host.checked = {data::kMenuMouseFollow};
  OnFollowTick(host);
  EXPECT_EQ(host.Int(kWindow, prop::kVisible), 0);
}

// While the user is in full screen nothing shows and the line stands still;
// the first tick after it brings the character back.
TEST(DisplayTick, FullScreenTakesEverythingDownUntilItEnds) {
  test::FakeHost host;
  host.checked = {data::kMenuAgent};
  host.ints[{kWindow, prop::kVisible}] = 1;
  host.fullScreen = true;
  OnDisplayTick(host);
  OnDisplayTick(host);
  host.checked = {data::kMenuMouseFollow};
  OnFollowTick(host);
  EXPECT_EQ(host.Int(kWindow, prop::kVisible), 0);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"HideTip", "HideAgent"})) << "taken down once, nothing shown";
  EXPECT_EQ(host.current, "") << "the line does not advance";

  host.calls.clear();
  host.checked = {data::kMenuAgent};
  host.fullScreen = false;
  OnDisplayTick(host);
  OnDisplayTick(host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ShowAgent", "Speak one", "Speak two"}));
}

TEST(Interval, SecondsBecomeTruncatedMilliseconds) {
  EXPECT_EQ(IntervalMs("2"), 2000);
  EXPECT_EQ(IntervalMs("0.5"), 500);
  EXPECT_EQ(IntervalMs("1.0009"), 1000);
  EXPECT_EQ(IntervalMs("abc"), 0);
  EXPECT_EQ(IntervalMs(""), 0);
  EXPECT_EQ(IntervalMs("-"), 0);
  EXPECT_EQ(IntervalMs("-3"), -3000);
  EXPECT_EQ(IntervalMs("99999999999"), INT32_MAX) << "a huge interval must not overflow";
  EXPECT_EQ(IntervalMs("-99999999999"), INT32_MIN);
}

TEST(TrayTip, NamesTheTitleInPlayingBrackets) {
  test::FakeHost host;
  UpdateTrayTip(host, "\xB9\xC5\xCE\xC4");  // 古文
  EXPECT_EQ(host.Text(data::kTrayIcon, prop::kTipText), std::string(kTipPrefix) + "\xB9\xC5\xCE\xC4>>");
}

}  // namespace
}  // namespace lizhi::app
