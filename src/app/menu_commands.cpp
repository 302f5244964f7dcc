#include "app/menu_commands.h"

#include <string>

#include "app/apply_settings.h"
#include "app/core_texts.h"
#include "app/display_cycle.h"
#include "app/unit_props.h"
#include "data/startup_window.h"
#include "runtime/frame/frame.h"

namespace lizhi::app {

namespace {

constexpr uint32_t kWindow = rt::kWindowUnitId;

void HideWindow(CoreHost& host) { host.SetInt(kWindow, prop::kVisible, 0); }
void StopFollowing(CoreHost& host) { host.SetInt(data::kFollowTimer, prop::kInterval, 0); }

// Mode, title and filter of the shared file chooser; the other properties keep
// what the previous chooser left.
void PrepareChooser(CoreHost& host, std::string_view title, std::string_view filter) {
  host.SetInt(data::kFileChooser, prop::kDialogKind, prop::kDialogOpen);
  host.SetText(data::kFileChooser, prop::kDialogTitle, title);
  host.SetText(data::kFileChooser, prop::kDialogFilter, filter);
}

std::string ChosenFile(CoreHost& host) { return host.GetText(data::kFileChooser, prop::kDialogFileName); }

bool Contains(std::string_view text, std::string_view word);

}  // namespace

void ChooseTitleBar(CoreHost& host) {
  CheckModeAlone(host, data::kMenuTitleBar);
  host.HideAgent();
  host.WriteSetting(kShowKey.name, DisplayModeValue(DisplayMode::kTitleBar));
  HideWindow(host);
  host.SetInt(kWindow, prop::kWidth, 0);
  StopFollowing(host);
}

void ChooseMouseFollow(CoreHost& host) {
  CheckModeAlone(host, data::kMenuMouseFollow);
  host.HideAgent();
  host.WriteSetting(kShowKey.name, DisplayModeValue(DisplayMode::kMouseFollow));
  // The strip from its first moment, not the window at its stored size; while
  // the cycle is quiet (paused) the first follow tick after it shows it.
  PlaceStrip(host);
  if (!host.Display().quiet) host.SetInt(kWindow, prop::kVisible, 1);
  host.SetInt(data::kFollowTimer, prop::kInterval, prop::kFollowIntervalMs);
}

void ChooseBalloon(CoreHost& host) {
  CheckModeAlone(host, data::kMenuBalloon);
  host.HideAgent();
  host.WriteSetting(kShowKey.name, DisplayModeValue(DisplayMode::kBalloon));
  HideWindow(host);
  StopFollowing(host);
}

void ChooseAgent(CoreHost& host) {
  CheckModeAlone(host, data::kMenuAgent);
  host.WriteSetting(kShowKey.name, DisplayModeValue(DisplayMode::kAgent));
  HideWindow(host);
  StopFollowing(host);
  // While quiet the tick that ends it brings the character.
  if (!host.Display().quiet) host.ShowAgent();
}

void ChooseRandom(CoreHost& host) {
  host.SetChecked(data::kMenuSequential, false);
  host.SetChecked(data::kMenuRandom, true);
  host.WriteSetting(kRandKey.name, kRandomOrder);
}

void ChooseSequential(CoreHost& host) {
  host.SetChecked(data::kMenuSequential, true);
  host.SetChecked(data::kMenuRandom, false);
  host.WriteSetting(kRandKey.name, kSequentialOrder);
}

void AskInterval(CoreHost& host) {
  InputRequest request{std::string(kIntervalPrompt), std::string(kIntervalTitle), host.ReadSetting(kTimeKey), 2};
  std::optional<std::string> typed = host.InputBox(request);
  if (!typed) return;
  host.WriteSetting(kTimeKey.name, *typed);
  SetDisplayInterval(host, IntervalMs(*typed));
}

void ChooseMusic(CoreHost& host) {
  PrepareChooser(host, kMusicTitle, kMusicFilter);
  host.SetText(data::kFileChooser, prop::kDialogInitialDirectory, host.ProgramDirectory() + std::string(kMusicFolder));
  host.SetText(data::kFileChooser, prop::kDialogFileName, host.ReadSetting(kMp3Key));
  if (host.OpenFileChooser()) {
    std::string path = ChosenFile(host);
    host.SetChecked(data::kMenuMusic, true);
    host.PlayMusic(path);
    host.WriteSetting(kPlayKey.name, kMusicOn);
    host.WriteSetting(kMp3Key.name, host.ToStoredPath(path));
    return;
  }
  // Cancelling the chooser is how the user switches the music off.
  host.WriteSetting(kPlayKey.name, kMusicOff);
  host.StopMusic();
  host.SetChecked(data::kMenuMusic, false);
}

void ChooseFontSize(CoreHost& host) {
  host.SetInt(data::kFileChooser, prop::kDialogKind, prop::kDialogFont);
  host.OpenFileChooser();
}

void LoadTextFile(CoreHost& host) {
  PrepareChooser(host, kTextTitle, kTextFilter);
  host.SetText(data::kFileChooser, prop::kDialogFileName, host.ResolveTextPath());
  if (!host.OpenFileChooser()) return;
  std::string chosen = ChosenFile(host);

  host.SetInt(data::kDisplayTimer, prop::kInterval, 0);
  StopFollowing(host);
  host.ClearLines();
  std::string stored = host.ToStoredPath(chosen);
  // Both words: sequential order wins; neither: the order stays.
  if (Contains(chosen, kWordRandom)) ChooseRandom(host);
  if (Contains(chosen, kWordSequence)) {
    ChooseSequential(host);
    host.ResetSequence();
  }
  host.WriteSetting(kFileKey, stored);
  host.LoadLines(chosen);
  UpdateTrayTip(host, host.TextTitle(chosen));
  ApplySettings(host);
}

void EditTextFile(CoreHost& host) {
  PrepareChooser(host, kTextTitle, kTextFilter);
  if (host.OpenFileChooser()) host.EditFile(ChosenFile(host));
}

void ToggleAutoStart(CoreHost& host) {
  if (host.IsChecked(data::kMenuAutoStart)) {
    host.RemoveAutoStart(kAutoStartName);
    host.SetChecked(data::kMenuAutoStart, false);
    // Stored too, so the next start does not show a mark with no registration.
    host.WriteSetting(kAutorunKey.name, kAutorunOff);
    return;
  }
  std::string target = host.ProgramDirectory() + "\\" + host.ExecutableName();
  // The mark and the stored value follow what the system accepted.
  if (!host.SetAutoStart(kAutoStartName, target)) return;
  host.SetChecked(data::kMenuAutoStart, true);
  host.WriteSetting(kAutorunKey.name, kAutorunOn);
}

namespace {

// Byte search that steps over double-byte characters, so a match never begins
// in a character's second byte.
bool Contains(std::string_view text, std::string_view word) {
  if (word.empty()) return true;
  for (size_t i = 0; i + word.size() <= text.size();) {
    if (text.compare(i, word.size(), word) == 0) return true;
    i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1;
  }
  return false;
}

}  // namespace

}  // namespace lizhi::app
