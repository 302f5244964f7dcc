#include "app/settings/settings.h"

#include <chrono>
#include <optional>
#include <thread>

#include "app/settings/ini_editor.h"
#include "runtime/base/runtime_state.h"
#include "runtime/commands/files.h"
#include "runtime/commands/ini.h"

namespace lizhi::app {

namespace {
constexpr const char* kSection = "lz";

struct ModeName {
  DisplayMode mode;
  const char* value;
};
// UTF-16 (either order) and UTF-8 files announce themselves so.
bool HasByteOrderMark(std::string_view text) {
  return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF") || text.starts_with("\xEF\xBB\xBF");
}

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

namespace {

enum class Edit { kDone, kTryAgain };

// One attempt to set the key, or to take it out when `value` is nothing.
Edit TryEdit(const std::string& path, std::string_view key, const std::optional<std::string_view>& value) {
  rt::FileContents old;
  // A file that exists but cannot be read is left alone rather than replaced;
  // with no file yet, setting a key makes one.
  if (!rt::ReadWholeFile(path.c_str(), 0, rt::AllocationFailure::kResult, old)) {
    if (rt::FileExists(path.c_str())) return Edit::kTryAgain;
    if (!value) return Edit::kDone;
  }
  std::string_view oldText(reinterpret_cast<const char*>(old.data()), old.data() ? old.size : 0);
  if (HasByteOrderMark(oldText)) {
    // A Unicode file: only the platform knows how to put a GBK value into it.
    std::string k(key), v(value.value_or(""));
    rt::WriteIniItem(path.c_str(), kSection, k.c_str(), value ? v.c_str() : nullptr);
    return Edit::kDone;
  }
  std::string text = value ? SetIniValue(oldText, kSection, key, *value) : RemoveIniValue(oldText, kSection, key);
  if (!value && text.size() == oldText.size()) return Edit::kDone;  // nothing to take out
  std::span<const uint8_t> piece(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  return rt::ReplaceFileContents(path.c_str(), {&piece, 1}) ? Edit::kDone : Edit::kTryAgain;
}

// Another program (a virus scanner, a backup, an editor reading the file) may
// hold setup.ini for a moment, and replacing it then fails: the choice is
// tried again for a short while rather than lost.
constexpr int kEditAttempts = 10;
constexpr auto kEditPause = std::chrono::milliseconds(20);

void EditSetting(std::string_view key, const std::optional<std::string_view>& value) {
  const std::string path = SettingsPath();
  for (int attempt = 1; TryEdit(path, key, value) == Edit::kTryAgain && attempt < kEditAttempts; ++attempt) {
    std::this_thread::sleep_for(kEditPause);
  }
}

}  // namespace

void WriteSetting(std::string_view key, std::string_view value) { EditSetting(key, value); }
void DeleteSetting(std::string_view key) { EditSetting(key, std::nullopt); }

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
