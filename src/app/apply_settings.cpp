#include "app/apply_settings.h"

#include <array>
#include <string>

#include "app/core_texts.h"
#include "app/display_cycle.h"
#include "app/pause_commands.h"
#include "app/quiet_rules.h"
#include "app/unit_props.h"
#include "data/startup_window.h"
#include "runtime/frame/frame.h"

namespace lizhi::app {

namespace {

constexpr std::array<uint32_t, 4> kModeItems = {data::kMenuTitleBar, data::kMenuMouseFollow, data::kMenuBalloon,
                                                data::kMenuAgent};

void ApplyMode(CoreHost& host, DisplayMode mode) {
  constexpr uint32_t kWindow = rt::kWindowUnitId;
  if (mode == DisplayMode::kMouseFollow) {
    CheckModeAlone(host, data::kMenuMouseFollow);
    host.SetInt(kWindow, prop::kHeight, prop::kStripHeight);
    host.SetInt(kWindow, prop::kAlwaysOnTop, 1);
    host.SetInt(data::kFollowTimer, prop::kInterval, prop::kFollowIntervalMs);
    return;
  }
  const uint32_t item = mode == DisplayMode::kBalloon ? data::kMenuBalloon
                        : mode == DisplayMode::kAgent ? data::kMenuAgent
                                                      : data::kMenuTitleBar;
  CheckModeAlone(host, item);
  host.SetInt(data::kFollowTimer, prop::kInterval, 0);
  host.SetInt(kWindow, prop::kWindowState, prop::kMaximised);
  // A pause stored before the start keeps the character away until it ends.
  if (item == data::kMenuAgent && !host.Display().quiet) host.ShowAgent();
}

}  // namespace

void CheckModeAlone(CoreHost& host, uint32_t modeItem) {
  for (uint32_t item : kModeItems) host.SetChecked(item, item == modeItem);
}

void SetDisplayInterval(CoreHost& host, int32_t ms) {
  host.SetInt(data::kDisplayTimer, prop::kInterval, ms);
  host.SetInt(data::kTipUnit, prop::kAutoHideDelay, ms);
}

void ApplySettings(CoreHost& host) {
  SetDisplayInterval(host, IntervalMs(host.ReadSetting(kTimeKey)));
  if (RefreshPause(host)) GoQuiet(host);
  ApplyMode(host, ParseDisplayMode(host.ReadSetting(kShowKey)));

  const bool random = IsRandomOrder(host.ReadSetting(kRandKey));
  host.SetChecked(data::kMenuRandom, random);
  host.SetChecked(data::kMenuSequential, !random);

  if (IsMusicOn(host.ReadSetting(kPlayKey))) {
    host.SetChecked(data::kMenuMusic, true);
    std::string stored = host.ReadSetting(kMp3Key);
    // A path that is not found is still handed to the player as written.
    host.PlayMusic(host.ResolveStoredPath(stored).value_or(stored));
  } else {
    host.SetChecked(data::kMenuMusic, false);
  }

  host.SetChecked(data::kMenuAutoStart, IsAutorunOn(host.ReadSetting(kAutorunKey)));
  host.SetChecked(data::kMenuAway, AwayMinutes(host.ReadSetting(kAwayKey)) > 0);
}

}  // namespace lizhi::app
