#include "app/apply_settings.h"

#include <gtest/gtest.h>

#include "app/unit_props.h"
#include "data/startup_window.h"
#include "fake_host.h"
#include "runtime/frame/frame.h"

namespace lizhi::app {
namespace {

constexpr uint32_t kWindow = rt::kWindowUnitId;

TEST(ApplySettings, NoFileGivesTitleBarRandomTwoSecondsNoMusicNoAutostart) {
  test::FakeHost host;
  host.checked = {data::kMenuMouseFollow, data::kMenuSequential, data::kMenuMusic, data::kMenuAutoStart};
  ApplySettings(host);
  EXPECT_EQ(host.checked, (std::set<uint32_t>{data::kMenuTitleBar, data::kMenuRandom}));
  EXPECT_EQ(host.Int(data::kDisplayTimer, prop::kInterval), 2000);
  EXPECT_EQ(host.Int(data::kTipUnit, prop::kAutoHideDelay), 2000);
  EXPECT_EQ(host.Int(data::kFollowTimer, prop::kInterval), 0);
  EXPECT_EQ(host.Int(kWindow, prop::kWindowState), 3);
  EXPECT_TRUE(host.calls.empty()) << "no music is started and music playing is not stopped";
  EXPECT_TRUE(host.ini.empty()) << "applying writes nothing";
}

TEST(ApplySettings, MouseModeMakesStripTopmostAndStartsFollowingWithoutShowing) {
  test::FakeHost host;
  host.ini["show"] = "mouse";
  ApplySettings(host);
  EXPECT_EQ(host.checked.count(data::kMenuMouseFollow), 1u);
  EXPECT_EQ(host.checked.count(data::kMenuTitleBar), 0u);
  EXPECT_EQ(host.Int(kWindow, prop::kHeight), 24);
  EXPECT_EQ(host.Int(kWindow, prop::kAlwaysOnTop), 1);
  EXPECT_EQ(host.Int(data::kFollowTimer, prop::kInterval), 100);
  EXPECT_EQ(host.Int(kWindow, prop::kWindowState), -999);
  EXPECT_EQ(host.Int(kWindow, prop::kVisible), -999);
}

TEST(ApplySettings, StoredModeWordsAreExactBytes) {
  for (auto [stored, item] : std::initializer_list<std::pair<const char*, uint32_t>>{{"qipao", data::kMenuBalloon},
                                                                                     {"agent", data::kMenuAgent},
                                                                                     {"Qipao", data::kMenuTitleBar},
                                                                                     {"MOUSE", data::kMenuTitleBar},
                                                                                     {"", data::kMenuTitleBar}}) {
    test::FakeHost host;
    host.ini["show"] = stored;
    ApplySettings(host);
    EXPECT_TRUE(host.Checked(item)) << stored;
    EXPECT_EQ(host.Int(kWindow, prop::kWindowState), 3) << stored;
    EXPECT_EQ(host.Called("ShowAgent"), item == data::kMenuAgent) << stored;
  }
}

TEST(ApplySettings, OrderAndAutorunCompareCase) {
  test::FakeHost host;
  host.ini["rand"] = "T";
  host.ini["AUTORUN"] = "t";
  ApplySettings(host);
  EXPECT_TRUE(host.Checked(data::kMenuSequential));
  EXPECT_FALSE(host.Checked(data::kMenuRandom));
  EXPECT_FALSE(host.Checked(data::kMenuAutoStart));
  host.ini["AUTORUN"] = "T";
  ApplySettings(host);
  EXPECT_TRUE(host.Checked(data::kMenuAutoStart));
}

TEST(ApplySettings, IntervalThatIsNoPositiveNumberStopsTheCycle) {
  for (const char* t : {"abc", "", "-3", "0"}) {
    test::FakeHost host;
    host.ini["time"] = t;
    host.ints[{data::kDisplayTimer, prop::kInterval}] = 2000;  // running before
    host.ints[{data::kTipUnit, prop::kAutoHideDelay}] = 2000;
    ApplySettings(host);
    EXPECT_LE(host.Int(data::kDisplayTimer, prop::kInterval), 0) << t;
    EXPECT_LE(host.Int(data::kTipUnit, prop::kAutoHideDelay), 0) << t;
  }
  test::FakeHost host;
  host.ini["time"] = "0.5";
  ApplySettings(host);
  EXPECT_EQ(host.Int(data::kDisplayTimer, prop::kInterval), 500);
}

TEST(ApplySettings, MusicPlaysResolvedPathOrTheValueAsWritten) {
  test::FakeHost host;
  host.ini["play"] = "t";
  host.ini["MP3"] = "\\mp3\\a.mp3";
  ApplySettings(host);
  EXPECT_TRUE(host.Checked(data::kMenuMusic));
  EXPECT_EQ(host.calls, std::vector<std::string>{"Play \\mp3\\a.mp3"});
  host.calls.clear();
  host.files.insert("C:\\lz\\mp3\\a.mp3");
  ApplySettings(host);
  EXPECT_EQ(host.calls, std::vector<std::string>{"Play C:\\lz\\mp3\\a.mp3"});
}

}  // namespace
}  // namespace lizhi::app
