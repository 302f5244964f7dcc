#include "app/lifecycle.h"

#include "app/apply_settings.h"
#include "app/core_texts.h"
#include "app/display_cycle.h"
#include "app/unit_props.h"
#include "data/about_text.h"
#include "data/startup_window.h"
#include "data/tray_icon.h"

namespace lizhi::app {

namespace {
constexpr uint32_t kOkAndCancel = 1;
constexpr int32_t kSystemModal = 4096;
constexpr int32_t kExitTimeoutMs = 20000;
}  // namespace

void OnWindowCreated(CoreHost& host) {
  host.SetBytes(data::kTrayIcon, prop::kIcon, data::TrayIconBytes());
  host.SeedRandomFromTicks();
  std::string path = host.ResolveTextPath();
  host.LoadLines(path);
  UpdateTrayTip(host, host.TextTitle(path));
  ApplySettings(host);
}

void ConfirmExit(CoreHost& host) {
  // Cancel, closing the box and the time-out all keep the program running.
  if (host.TimedMessageBox(kExitQuestion, kOkAndCancel, kExitTitle, kExitTimeoutMs) == 0) host.EndProgram(0);
}

std::string AboutTitle(std::string_view textTitle) {
  size_t dot = textTitle.rfind('.');
  return std::string(dot == std::string_view::npos ? textTitle : textTitle.substr(0, dot));
}

void ShowAbout(CoreHost& host) {
  // The about box looks for the stored value as written, without resolving it
  // against the program directory.
  std::string path = host.ReadSetting(kFileKey, host.ProgramDirectory() + std::string(kAboutDefaultName));
  if (!host.FileExists(path)) path = host.ProgramDirectory() + std::string(kDefaultTextName);
  std::string text(data::AboutText());
  text += AboutTitle(host.TextTitle(path));
  text += kTipSuffix;
  host.MessageBox(text, kSystemModal, kAboutTitle);
}

void OnTestButton(CoreHost& host) { host.MessageBox(kTestText, 0, std::nullopt); }

}  // namespace lizhi::app
