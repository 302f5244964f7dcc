// The core's host in the program: the settings store, the text source, the
// start-up window's units through the frame, the presenters and the runtime's
// commands.
#pragma once
#include "app/core_host.h"
#include "app/text_source/text_source.h"

namespace lizhi::app {

class RuntimeHost final : public CoreHost {
 public:
  // Points the agent presenter at the start-up window's agent unit.
  RuntimeHost();

  std::string ReadSetting(std::string_view key, std::string_view fallback) override;
  void WriteSetting(std::string_view key, std::string_view value) override;
  void DeleteSetting(std::string_view key) override;
  std::optional<std::string> ResolveStoredPath(std::string_view value) override;
  std::string ToStoredPath(std::string_view chosen) override;
  std::string ProgramDirectory() override;
  std::string ExecutableName() override;
  bool FileExists(std::string_view path) override;

  std::string ResolveTextPath() override;
  void LoadLines(std::string_view path) override;
  void ClearLines() override;
  std::string NextLine() override;
  std::string CurrentLine() override;
  void ResetSequence() override;
  std::string TextTitle(std::string_view path) override;
  void FreeLines() override;
  void ReloadChangedText() override;

  void SetInt(uint32_t unit, int32_t index, int32_t value) override;
  int32_t GetInt(uint32_t unit, int32_t index) override;
  void SetText(uint32_t unit, int32_t index, std::string_view text) override;
  std::string GetText(uint32_t unit, int32_t index) override;
  void SetBytes(uint32_t unit, int32_t index, std::span<const uint8_t> bytes) override;
  bool IsChecked(uint32_t menuItem) override;
  void SetChecked(uint32_t menuItem, bool checked) override;
  void SetMenuVisible(uint32_t menuItem, bool visible) override;
  bool OpenFileChooser() override;
  void PopupTrayMenu() override;

  void PresentAtActiveWindow(std::string_view previous, std::string_view line) override;
  void ShowTipAt(int32_t x, int32_t y, std::string_view line) override;
  void HideTip() override;
  void ShowAgent() override;
  void HideAgent() override;
  void SpeakLine(std::string_view line) override;
  void GreetAgent() override;
  void PumpingDelay(int32_t microseconds) override;
  int32_t TimedMessageBox(std::string_view text, uint32_t style, std::string_view title, int32_t timeoutMs) override;
  void MessageBox(std::string_view text, int32_t style, std::optional<std::string_view> title) override;
  std::optional<std::string> InputBox(const InputRequest& request) override;

  void SeedRandomFromTicks() override;
  AttentionFacts Attention() override;
  LocalTime Now() override;
  DisplayState& Display() override { return display_; }
  CursorPoint Cursor() override;
  MonitorSpot MonitorAt(CursorPoint p) override;
  void PlayMusic(std::string_view path) override;
  void StopMusic() override;
  bool SetAutoStart(std::string_view name, std::string_view path) override;
  bool RemoveAutoStart(std::string_view name) override;
  void EditFile(std::string_view path) override;
  void EndProgram(int32_t exitCode) override;

 private:
  TextSource text_;
  DisplayState display_;
};

}  // namespace lizhi::app
