// When a display tick shows nothing, and what the pause and the away rule do to
// the running program.
#include <gtest/gtest.h>

#include "app/apply_settings.h"
#include "app/core_texts.h"
#include "app/display_cycle.h"
#include "app/menu_commands.h"
#include "app/pause_commands.h"
#include "app/quiet_rules.h"
#include "app/unit_props.h"
#include "data/startup_window.h"
#include "data/tray_icon.h"
#include "fake_host.h"

namespace lizhi::app {
namespace {

constexpr uint32_t kMinute = 60 * 1000;

TEST(QuietRules, FullScreenShellBusyDoNotDisturbAndPauseStepAsideAwayHolds) {
  struct Case {
    bool fullScreen;
    int32_t notificationState;
    int32_t focusAssist;
    uint32_t idleMs;
    int32_t awayMinutes;
    bool paused;
    TickQuiet quiet;
  } cases[] = {
      {false, 5, 0, 0, 0, false, TickQuiet::kShow},
      {false, 0, 0, 0, 0, false, TickQuiet::kShow},  // nothing known
      {true, 5, 0, 0, 0, false, TickQuiet::kStepAside},
      {false, 2, 0, 0, 0, false, TickQuiet::kStepAside},  // busy
      {false, 3, 0, 0, 0, false, TickQuiet::kStepAside},  // Direct3D full screen
      {false, 4, 0, 0, 0, false, TickQuiet::kStepAside},  // presenting
      {false, 6, 0, 0, 0, false, TickQuiet::kShow},       // quiet time is not busy
      {false, 5, 1, 0, 0, false, TickQuiet::kStepAside},  // priority only
      {false, 5, 2, 0, 0, false, TickQuiet::kStepAside},  // alarms only
      {false, 5, 3, 0, 0, false, TickQuiet::kShow},
      {false, 5, -1, 0, 0, false, TickQuiet::kShow},
      {false, 5, 0, 0, 0, true, TickQuiet::kStepAside},
      {false, 5, 0, 5 * kMinute, 5, false, TickQuiet::kAway},
      {false, 5, 0, 5 * kMinute - 1, 5, false, TickQuiet::kShow},
      {false, 5, 0, 0xFFFFFFFF, 0, false, TickQuiet::kShow},  // the rule off
      {false, 5, 0, 0xFFFFFFFF, 1440, false, TickQuiet::kAway},
      {true, 5, 0, 5 * kMinute, 5, false, TickQuiet::kStepAside},
      {false, 5, 2, 5 * kMinute, 5, true, TickQuiet::kStepAside},
  };
  for (const Case& c : cases) {
    AttentionFacts facts{c.fullScreen, c.notificationState, c.focusAssist, c.idleMs};
    EXPECT_EQ(QuietRule(facts, c.awayMinutes, c.paused), c.quiet)
        << c.fullScreen << " " << c.notificationState << " " << c.focusAssist << " " << c.idleMs << " " << c.awayMinutes
        << " " << c.paused;
  }
  for (auto [stored, minutes] : std::initializer_list<std::pair<const char*, int32_t>>{
           {"5", 5}, {"0", 0}, {"", 0}, {"10", 10}, {"-5", 0}, {"5m", 0}, {" 5", 0}, {"99999999999", 1440}})
    EXPECT_EQ(AwayMinutes(stored), minutes) << stored;
}

// Each cause of quiet: nothing is shown and the line stands still; the tick
// after it shows the next line.
TEST(QuietTick, NoCauseOfQuietAdvancesTheLine) {
  struct Cause {
    const char* what;
    void (*set)(test::FakeHost&);
  } causes[] = {
      {"full screen", [](test::FakeHost& h) { h.fullScreen = true; }},
      {"presenting", [](test::FakeHost& h) { h.attention.notificationState = 4; }},
      {"do not disturb", [](test::FakeHost& h) { h.attention.focusAssist = 1; }},
      {"away",
       [](test::FakeHost& h) {
         h.checked.insert(data::kMenuAway);
         h.ini["away"] = "5";
         h.attention.idleMs = 6 * kMinute;
       }},
      {"paused",
       [](test::FakeHost& h) {
         h.ini["pausefrom"] = "2026-12-09 14:50";
         h.ini["pause"] = "2026-12-09 15:20";
       }},
  };
  for (const Cause& cause : causes) {
    test::FakeHost host;
    host.checked.insert(data::kMenuTitleBar);
    cause.set(host);
    OnDisplayTick(host);
    OnDisplayTick(host);
    EXPECT_EQ(host.current, "") << cause.what;
    for (const std::string& call : host.calls) EXPECT_NE(call.rfind("Present", 0), 0u) << cause.what;

    test::FakeHost calm;
    calm.checked = host.checked;
    calm.ini = host.ini;
    calm.ini.erase("pause");
    calm.attention.idleMs = 0;
    OnDisplayTick(calm);
    EXPECT_EQ(calm.current, "one") << cause.what << " gone: the line shows";
  }
}

TEST(QuietTick, AwayKeepsTheCharacterButItDoesNotSpeak) {
  test::FakeHost host;
  host.checked = {data::kMenuAgent, data::kMenuAway};
  host.ini["away"] = "5";
  host.attention.idleMs = 5 * kMinute;
  OnDisplayTick(host);
  EXPECT_TRUE(host.calls.empty()) << "nothing hidden, nothing said";
  host.attention.idleMs = 10;  // the user is back
  OnDisplayTick(host);
  EXPECT_EQ(host.calls, std::vector<std::string>{"Speak one"});
}

// While the strip is down the follow timer would wake the program for nothing:
// its first tick stops it, and the first tick that shows again restarts it.
TEST(QuietTick, TheFollowTimerStandsStillWhileTheStripIsDown) {
  test::FakeHost host;
  host.checked = {data::kMenuMouseFollow};
  host.SetInt(data::kFollowTimer, prop::kInterval, prop::kFollowIntervalMs);
  host.now = {2026, 12, 9, 15, 0, 20};
  ChoosePauseHalfHour(host);
  OnFollowTick(host);
  EXPECT_EQ(host.Int(data::kFollowTimer, prop::kInterval), 0);
  OnDisplayTick(host);
  EXPECT_EQ(host.Int(data::kFollowTimer, prop::kInterval), 0) << "still paused";
  ChooseResume(host);
  OnDisplayTick(host);
  EXPECT_EQ(host.Int(data::kFollowTimer, prop::kInterval), prop::kFollowIntervalMs);
}

std::vector<uint8_t> Bytes(std::span<const uint8_t> s) { return {s.begin(), s.end()}; }
std::vector<uint8_t> TrayPicture(const test::FakeHost& host) {
  auto it = host.byteValues.find({data::kTrayIcon, prop::kIcon});
  return it == host.byteValues.end() ? std::vector<uint8_t>{} : it->second;
}

// 30 分钟 stores the pause, takes everything down at once and marks it; 继续
// forgets it and the next tick shows lines again.
TEST(PauseCommands, APauseGreysTheIconNamesItsEndAndResumeBringsTheLinesBack) {
  test::FakeHost host;
  host.checked = {data::kMenuAgent};
  UpdateTrayTip(host, "\xB9\xC5\xCE\xC4");  // 古文
  const std::string tip = std::string(kTipPrefix) + "\xB9\xC5\xCE\xC4>>";
  host.now = {2026, 12, 9, 15, 0, 20};
  ChoosePauseHalfHour(host);
  EXPECT_EQ(host.ini["pausefrom"], "2026-12-09 15:00");
  EXPECT_EQ(host.ini["pause"], "2026-12-09 15:30");
  EXPECT_EQ(host.calls, (std::vector<std::string>{"HideTip", "HideAgent"}));
  EXPECT_EQ(TrayPicture(host), Bytes(data::TrayIconPausedBytes()));
  EXPECT_EQ(host.Text(data::kTrayIcon, prop::kTipText), tip + "\xA3\xA8\xD4\xDD\xCD\xA3\xB5\xBD 15:30\xA3\xA9");
  EXPECT_EQ(host.hiddenItems,
            (std::set<uint32_t>{data::kMenuPauseHalfHour, data::kMenuPauseHour, data::kMenuPauseUntilTomorrow}));
  ChooseAgent(host);  // a mode chosen while paused keeps the pause
  OnDisplayTick(host);
  EXPECT_EQ(host.current, "");
  EXPECT_FALSE(host.Called("ShowAgent"));

  host.calls.clear();
  ChooseResume(host);
  EXPECT_EQ(host.ini.count("pause") + host.ini.count("pausefrom"), 0u);
  EXPECT_EQ(TrayPicture(host), Bytes(data::TrayIconBytes()));
  EXPECT_EQ(host.Text(data::kTrayIcon, prop::kTipText), tip);
  EXPECT_EQ(host.hiddenItems, std::set<uint32_t>{data::kMenuResume});
  EXPECT_TRUE(host.calls.empty()) << "nothing shows before the next tick";
  OnDisplayTick(host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"ShowAgent", "Speak one"}));
}

TEST(PauseCommands, APauseEndsByItselfAndSurvivesARestart) {
  test::FakeHost host;
  host.checked = {data::kMenuAgent};
  host.ini = {{"show", "agent"}, {"pausefrom", "2026-12-09 14:00"}, {"pause", "2026-12-10 00:00"}};
  ApplySettings(host);
  OnDisplayTick(host);
  EXPECT_FALSE(host.Called("ShowAgent")) << "a stored pause keeps the character away from the start";
  EXPECT_EQ(host.current, "");
  host.now = {2026, 12, 10, 0, 0, 1};
  OnDisplayTick(host);
  EXPECT_EQ(host.ini.count("pause"), 0u) << "an ended pause is forgotten";
  EXPECT_EQ(host.current, "one");

  test::FakeHost past;  // a restart after the pause ended
  past.ini = {{"pausefrom", "2026-12-09 10:00"}, {"pause", "2026-12-09 10:30"}};
  ApplySettings(past);
  OnDisplayTick(past);
  EXPECT_EQ(past.current, "one");
  EXPECT_TRUE(past.byteValues.empty()) << "no pause marks were ever shown";
}

TEST(PauseCommands, TheTipKeepsThePausesEndWithinItsField) {
  const std::string end = "\xA3\xA8\xD4\xDD\xCD\xA3\xB5\xBD 00:00\xA3\xA9";
  std::string longTip(200, 'x');
  EXPECT_EQ(TipWithPause(longTip, "00:00"), std::string(127 - end.size(), 'x') + end);
  std::string chinese;
  for (int i = 0; i < 100; ++i) chinese += "\xB9\xC5";
  std::string cut = TipWithPause(chinese, "00:00");
  EXPECT_LE(cut.size(), 127u);
  EXPECT_EQ(cut.substr(cut.size() - end.size()), end);
  EXPECT_EQ((cut.size() - end.size()) % 2, 0u) << "no character split";
  EXPECT_EQ(TipWithPause("tip", ""), "tip");
}

TEST(AwayRule, TheItemStoresFiveOrZeroAndTheStoredMinutesCheckIt) {
  test::FakeHost host;
  ToggleAwayRule(host);
  EXPECT_EQ(host.ini["away"], "5");
  EXPECT_TRUE(host.Checked(data::kMenuAway));
  ToggleAwayRule(host);
  EXPECT_EQ(host.ini["away"], "0");
  EXPECT_FALSE(host.Checked(data::kMenuAway));
  for (auto [stored, on] :
       std::initializer_list<std::pair<const char*, bool>>{{"10", true}, {"0", false}, {"x", false}}) {
    host.ini["away"] = stored;
    ApplySettings(host);
    EXPECT_EQ(host.Checked(data::kMenuAway), on) << stored;
  }
}

}  // namespace
}  // namespace lizhi::app
