#include "app/apply_settings.h"

#include <array>
#include <string>

#include "app/core_texts.h"
#include "app/display_cycle.h"
#include "app/unit_props.h"
#include "data/startup_window.h"
#include "runtime/frame.h"

namespace lizhi::app {

namespace {

constexpr std::array<uint32_t, 4> kModeItems = {data::kMenuTitleBar, data::kMenuMouseFollow, data::kMenuBalloon,
                                                data::kMenuAgent};

void ApplyMode(CoreHost& host, const std::string& show) {
  constexpr uint32_t kWindow = rt::kWindowUnitId;
  if (show == "mouse") {
    CheckModeAlone(host, data::kMenuMouseFollow);
    host.SetInt(kWindow, prop::kHeight, prop::kStripHeight);
    host.SetInt(kWindow, prop::kAlwaysOnTop, 1);
    host.SetInt(data::kFollowTimer, prop::kInterval, prop::kFollowIntervalMs);
    return;
  }
  uint32_t item = show == "qipao" ? data::kMenuBalloon : show == "agent" ? data::kMenuAgent : data::kMenuTitleBar;
  CheckModeAlone(host, item);
  host.SetInt(data::kFollowTimer, prop::kInterval, 0);
  host.SetInt(kWindow, prop::kWindowState, prop::kMaximised);
  if (item == data::kMenuAgent) host.ShowAgent();
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
  SetDisplayInterval(host, IntervalMs(host.ReadSetting(key::kTime, "2")));
  ApplyMode(host, host.ReadSetting(key::kShow, "title"));

  bool random = host.ReadSetting(key::kRand, "t") == "t";
  host.SetChecked(data::kMenuRandom, random);
  host.SetChecked(data::kMenuSequential, !random);

  if (host.ReadSetting(key::kPlay, "f") == "t") {
    host.SetChecked(data::kMenuMusic, true);
    std::string stored = host.ReadSetting(key::kMp3, "");
    // A path that is not found is still handed to the player as written.
    host.PlayMusic(host.ResolveStoredPath(stored).value_or(stored));
  } else {
    host.SetChecked(data::kMenuMusic, false);
  }

  host.SetChecked(data::kMenuAutoStart, host.ReadSetting(key::kAutorun, "") == "T");
}

}  // namespace lizhi::app
