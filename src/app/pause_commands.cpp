#include "app/pause_commands.h"

#include "app/display_cycle.h"
#include "app/quiet_rules.h"
#include "app/unit_props.h"
#include "data/startup_window.h"
#include "data/tray_icon.h"
#include "units/tray/tip_text.h"

namespace lizhi::app {

namespace {

// （暂停到 and ）
constexpr std::string_view kPauseTipOpen = "\xA3\xA8\xD4\xDD\xCD\xA3\xB5\xBD ";
constexpr std::string_view kPauseTipClose = "\xA3\xA9";
constexpr uint32_t kPauseLengths[] = {data::kMenuPauseHalfHour, data::kMenuPauseHour, data::kMenuPauseUntilTomorrow};

void ShowPauseMarks(CoreHost& host) {
  const DisplayState& display = host.Display();
  const bool paused = !display.pausedUntil.empty();
  host.SetBytes(data::kTrayIcon, prop::kIcon, paused ? data::TrayIconPausedBytes() : data::TrayIconBytes());
  host.SetText(data::kTrayIcon, prop::kTipText, TipWithPause(display.trayTip, display.pausedUntil));
  for (uint32_t item : kPauseLengths) host.SetMenuVisible(item, !paused);
  host.SetMenuVisible(data::kMenuResume, paused);
}

void Forget(CoreHost& host) {
  host.DeleteSetting(kPauseKey.name);
  host.DeleteSetting(kPauseFromKey.name);
}

void StartPause(CoreHost& host, PauseChoice choice) {
  PauseSpan span = SpanOf(choice, host.Now());
  host.WriteSetting(kPauseFromKey.name, span.from);
  host.WriteSetting(kPauseKey.name, span.until);
  // Read back, as every reader does: a pause the file did not take is none.
  if (RefreshPause(host)) GoQuiet(host);
}

}  // namespace

bool RefreshPause(CoreHost& host) {
  std::string until = host.ReadSetting(kPauseKey);
  PauseState state = PauseState::kNone;
  if (!until.empty()) state = EvaluatePause(until, host.ReadSetting(kPauseFromKey), host.Now());
  if (state == PauseState::kOver) Forget(host);
  std::string shown = state == PauseState::kActive ? ClockText(until) : std::string();
  if (shown != host.Display().pausedUntil) {
    host.Display().pausedUntil = shown;
    ShowPauseMarks(host);
  }
  return state == PauseState::kActive;
}

std::string TipWithPause(std::string_view tip, std::string_view pausedUntil) {
  if (pausedUntil.empty()) return std::string(tip);
  std::string suffix(kPauseTipOpen);
  suffix += pausedUntil;
  suffix += kPauseTipClose;
  const size_t room = tray::kTipFieldSize - 1 - suffix.size();
  std::string out(tip.substr(0, tray::WholeCharacterPrefix(tip, room)));
  return out + suffix;
}

void ChoosePauseHalfHour(CoreHost& host) { StartPause(host, PauseChoice::kHalfHour); }
void ChoosePauseHour(CoreHost& host) { StartPause(host, PauseChoice::kHour); }
void ChoosePauseUntilTomorrow(CoreHost& host) { StartPause(host, PauseChoice::kUntilTomorrow); }

void ChooseResume(CoreHost& host) {
  Forget(host);
  // The lines come back at the next tick.
  RefreshPause(host);
}

void ToggleAwayRule(CoreHost& host) {
  const bool on = !host.IsChecked(data::kMenuAway);
  host.SetChecked(data::kMenuAway, on);
  host.WriteSetting(kAwayKey.name, on ? kAwayOn : kAwayOff);
}

int32_t ActiveAwayMinutes(CoreHost& host) {
  return host.IsChecked(data::kMenuAway) ? AwayMinutes(host.ReadSetting(kAwayKey)) : 0;
}

}  // namespace lizhi::app
