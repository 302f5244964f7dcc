// Everything the application core asks of the world around it: the settings
// file, the text source, the start-up window's units, the presenters and the
// system. The program binds it to the runtime; tests bind it to a recorder, so
// the core's rules run natively.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/full_screen.h"
#include "app/pause.h"
#include "app/settings/settings.h"
#include "runtime/base/screen_area.h"

namespace lizhi::app {

struct CursorPoint {
  int32_t x = 0, y = 0;
};

struct InputRequest {
  std::string prompt;
  std::string title;
  std::string initial;
  int32_t mode = 1;
};

// The monitor nearest to a point: its work area (without the taskbar) and DPI.
struct MonitorSpot {
  screen::Area work;
  int32_t dpi = screen::kBaseDpi;
};

// What the display cycle keeps between ticks.
struct DisplayState {
  bool quiet = false;                   // full screen, do not disturb or paused: nothing of lizhi shows
  std::string trayTip;                  // the tray tip without the pause's end
  std::string pausedUntil;              // "hh:mm" while the pause marks show, else empty
  int32_t stripDpi = screen::kBaseDpi;  // the DPI the strip's label is sized for
};

class CoreHost {
 public:
  virtual ~CoreHost() = default;

  // Settings file ("setup.ini", section "lz") and stored paths.
  virtual std::string ReadSetting(std::string_view key, std::string_view fallback) = 0;
  virtual void WriteSetting(std::string_view key, std::string_view value) = 0;
  virtual void DeleteSetting(std::string_view key) = 0;
  std::string ReadSetting(const SettingKey& key) { return ReadSetting(key.name, key.defaultValue); }
  virtual std::optional<std::string> ResolveStoredPath(std::string_view value) = 0;
  virtual std::string ToStoredPath(std::string_view chosen) = 0;
  virtual std::string ProgramDirectory() = 0;
  virtual std::string ExecutableName() = 0;
  virtual bool FileExists(std::string_view path) = 0;

  // Text source.
  virtual std::string ResolveTextPath() = 0;
  virtual void LoadLines(std::string_view path) = 0;
  virtual void ClearLines() = 0;
  virtual std::string NextLine() = 0;
  virtual std::string CurrentLine() = 0;
  virtual void ResetSequence() = 0;
  virtual std::string TextTitle(std::string_view path) = 0;
  virtual void FreeLines() = 0;
  // Loads the current text file again when it changed since it was loaded.
  virtual void ReloadChangedText() = 0;

  // Properties of the start-up window's units, by index.
  virtual void SetInt(uint32_t unit, int32_t index, int32_t value) = 0;
  virtual int32_t GetInt(uint32_t unit, int32_t index) = 0;
  virtual void SetText(uint32_t unit, int32_t index, std::string_view text) = 0;
  virtual std::string GetText(uint32_t unit, int32_t index) = 0;
  virtual void SetBytes(uint32_t unit, int32_t index, std::span<const uint8_t> bytes) = 0;
  virtual bool IsChecked(uint32_t menuItem) = 0;
  virtual void SetChecked(uint32_t menuItem, bool checked) = 0;
  virtual void SetMenuVisible(uint32_t menuItem, bool visible) = 0;
  virtual bool OpenFileChooser() = 0;
  virtual void PopupTrayMenu() = 0;

  // Presenters and dialogs.
  virtual void PresentAtActiveWindow(std::string_view previous, std::string_view line) = 0;
  virtual void ShowTipAt(int32_t x, int32_t y, std::string_view line) = 0;
  virtual void HideTip() = 0;
  virtual void ShowAgent() = 0;
  virtual void HideAgent() = 0;
  virtual void SpeakLine(std::string_view line) = 0;
  virtual void GreetAgent() = 0;
  virtual void PumpingDelay(int32_t microseconds) = 0;
  // Owned by the start-up window; the platform's button id minus 1.
  virtual int32_t TimedMessageBox(std::string_view text, uint32_t style, std::string_view title, int32_t timeoutMs) = 0;
  virtual void MessageBox(std::string_view text, int32_t style, std::optional<std::string_view> title) = 0;
  virtual std::optional<std::string> InputBox(const InputRequest& request) = 0;

  // System.
  virtual void SeedRandomFromTicks() = 0;
  // The foreground window, the shell's notification state, Do Not Disturb and
  // the time since the last input.
  virtual AttentionFacts Attention() = 0;
  virtual LocalTime Now() = 0;
  virtual DisplayState& Display() = 0;
  virtual CursorPoint Cursor() = 0;
  virtual MonitorSpot MonitorAt(CursorPoint p) = 0;
  virtual void PlayMusic(std::string_view path) = 0;  // repeated without end
  virtual void StopMusic() = 0;
  virtual bool SetAutoStart(std::string_view name, std::string_view path) = 0;
  virtual bool RemoveAutoStart(std::string_view name) = 0;
  virtual void EditFile(std::string_view path) = 0;
  virtual void EndProgram(int32_t exitCode) = 0;
};

}  // namespace lizhi::app
