#include "app/settings/settings.h"

#include "runtime/commands/ini.h"
#include "runtime/runtime_state.h"

namespace lizhi::app {

namespace {
constexpr const char* kSection = "lz";

struct ModeName {
  DisplayMode mode;
  const char* value;
};
constexpr ModeName kModeNames[] = {
    {DisplayMode::kTitleBar, "title"},
    {DisplayMode::kMouseFollow, "mouse"},
    {DisplayMode::kBalloon, "qipao"},
    {DisplayMode::kAgent, "agent"},
};
}  // namespace

std::string SettingsPath() { return rt::Runtime().programDirectory + "\\setup.ini"; }

std::string ReadSetting(std::string_view key, std::string_view defaultValue) {
  std::string path = SettingsPath(), k(key), d(defaultValue);
  return rt::ReadIniItem(path.c_str(), kSection, k.c_str(), d.c_str());
}

std::string ReadSetting(const SettingKey& key) { return ReadSetting(key.name, key.defaultValue); }

void WriteSetting(std::string_view key, std::string_view value) {
  std::string path = SettingsPath(), k(key), v(value);
  rt::WriteIniItem(path.c_str(), kSection, k.c_str(), v.c_str());
}

DisplayMode ParseDisplayMode(std::string_view stored) {
  for (const auto& m : kModeNames)
    if (stored == m.value) return m.mode;
  return DisplayMode::kTitleBar;
}

const char* DisplayModeValue(DisplayMode mode) {
  for (const auto& m : kModeNames)
    if (m.mode == mode) return m.value;
  return kModeNames[0].value;
}

bool IsRandomOrder(std::string_view stored) { return stored == kRandomOrder; }
bool IsMusicOn(std::string_view stored) { return stored == kMusicOn; }
bool IsAutorunOn(std::string_view stored) { return stored == kAutorunOn; }

}  // namespace lizhi::app
