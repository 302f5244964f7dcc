// The settings store: section "lz" of "setup.ini" in the program directory,
// read and written through the platform's INI functions at every use, never
// cached. Values are compared as exact bytes ("t" and "T" differ).
#pragma once
#include <string>
#include <string_view>

namespace lizhi::app {

// Program directory + "\setup.ini", formed anew at every access.
std::string SettingsPath();

// The key's value, or `defaultValue` when the file or key is missing; at most
// 10239 bytes of a value are seen.
std::string ReadSetting(std::string_view key, std::string_view defaultValue);
// Writes at once, creating the file and section when missing. Only the key's
// line changes: whatever else the file holds is kept byte for byte (the
// platform's own writer would rewrite it from what it could parse). Failures
// are ignored.
void WriteSetting(std::string_view key, std::string_view value);
// Takes the key's line out, keeping the rest of the file as WriteSetting does;
// a missing file stays missing.
void DeleteSetting(std::string_view key);

// The keys with their fixed defaults ("file" has none: its callers choose).
struct SettingKey {
  const char* name;
  const char* defaultValue;
};
inline constexpr SettingKey kShowKey{"show", "title"};
inline constexpr SettingKey kRandKey{"rand", "t"};
inline constexpr SettingKey kTimeKey{"time", "2"};
inline constexpr SettingKey kPlayKey{"play", "f"};
inline constexpr SettingKey kMp3Key{"MP3", ""};
inline constexpr SettingKey kAutorunKey{"AUTORUN", ""};
inline constexpr const char* kFileKey = "file";
// A pause's end and start, local time "yyyy-mm-dd hh:mm"; absent: no pause.
inline constexpr SettingKey kPauseKey{"pause", ""};
inline constexpr SettingKey kPauseFromKey{"pausefrom", ""};
// Minutes without input after which nothing is shown; 0 or absent: off.
inline constexpr SettingKey kAwayKey{"away", "0"};

std::string ReadSetting(const SettingKey& key);

enum class DisplayMode { kTitleBar, kMouseFollow, kBalloon, kAgent };
// "title", "mouse", "qipao", "agent"; any other value is the title-bar mode.
DisplayMode ParseDisplayMode(std::string_view stored);
const char* DisplayModeValue(DisplayMode mode);

// The stored words of the order, music and autostart keys.
inline constexpr const char* kRandomOrder = "t";
inline constexpr const char* kSequentialOrder = "f";
inline constexpr const char* kMusicOn = "t";
inline constexpr const char* kMusicOff = "f";
inline constexpr const char* kAutorunOn = "T";
inline constexpr const char* kAutorunOff = "F";
inline constexpr const char* kAwayOn = "5";
inline constexpr const char* kAwayOff = "0";

bool IsRandomOrder(std::string_view stored);  // exactly "t"
bool IsMusicOn(std::string_view stored);      // exactly "t"
bool IsAutorunOn(std::string_view stored);    // exactly "T"

}  // namespace lizhi::app
