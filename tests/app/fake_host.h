// A host that keeps the settings file, unit properties and check marks in
// maps and records what the core asked of the presenters and the system.
#pragma once
#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/core_host.h"

namespace lizhi::test {

class FakeHost : public app::CoreHost {
 public:
  std::map<std::string, std::string> ini;
  std::map<std::pair<uint32_t, int32_t>, int32_t> ints;
  std::map<std::pair<uint32_t, int32_t>, std::string> texts;
  std::set<uint32_t> checked;
  std::set<std::string> files;
  std::deque<std::string> lines{"one", "two"};
  std::string current;
  std::vector<std::string> calls;  // presenters and system, in order
  std::optional<std::string> chooserResult;
  std::optional<std::string> typed;
  int32_t boxAnswer = 1;
  bool autoStartWorks = true;
  app::CursorPoint cursor{300, 400};
  bool fullScreen = false;
  app::AttentionFacts attention;  // fullScreen counts as a full-screen window
  app::LocalTime now{2026, 12, 9, 15, 0, 0};
  std::set<uint32_t> hiddenItems;
  std::map<std::pair<uint32_t, int32_t>, std::vector<uint8_t>> byteValues;
  app::DisplayState display;
  std::string programDirectory = "C:\\lz";

  int32_t Int(uint32_t unit, int32_t index) const {
    auto it = ints.find({unit, index});
    return it == ints.end() ? -999 : it->second;
  }
  std::string Text(uint32_t unit, int32_t index) const {
    auto it = texts.find({unit, index});
    return it == texts.end() ? std::string("<unset>") : it->second;
  }
  bool Checked(uint32_t item) const { return checked.count(item) != 0; }
  bool Called(const std::string& what) const {
    for (const auto& c : calls)
      if (c == what) return true;
    return false;
  }

  std::string ReadSetting(std::string_view key, std::string_view fallback) override {
    auto it = ini.find(std::string(key));
    return it == ini.end() ? std::string(fallback) : it->second;
  }
  void WriteSetting(std::string_view key, std::string_view value) override { ini[std::string(key)] = value; }
  void DeleteSetting(std::string_view key) override { ini.erase(std::string(key)); }
  std::optional<std::string> ResolveStoredPath(std::string_view value) override {
    if (files.count(std::string(value))) return std::string(value);
    std::string joined = programDirectory + std::string(value);
    if (files.count(joined)) return joined;
    return std::nullopt;
  }
  std::string ToStoredPath(std::string_view chosen) override {
    std::string c(chosen);
    if (c.rfind(programDirectory, 0) == 0) return c.substr(programDirectory.size());
    return c;
  }
  std::string ProgramDirectory() override { return programDirectory; }
  std::string ExecutableName() override { return "lizhi.exe"; }
  bool FileExists(std::string_view path) override { return files.count(std::string(path)) != 0; }

  std::string ResolveTextPath() override { return programDirectory + "\\txt\\default.txt"; }
  void LoadLines(std::string_view path) override { calls.push_back("LoadLines " + std::string(path)); }
  void ClearLines() override { calls.push_back("ClearLines"); }
  std::string NextLine() override {
    current = lines.front();
    lines.push_back(lines.front());
    lines.pop_front();
    return current;
  }
  std::string CurrentLine() override { return current; }
  void ResetSequence() override { calls.push_back("ResetSequence"); }
  std::string TextTitle(std::string_view path) override {
    std::string p(path);
    size_t slash = p.rfind('\\');
    p = slash == std::string::npos ? p : p.substr(slash + 1);
    size_t dot = p.rfind('.');
    return dot == std::string::npos ? p : p.substr(0, dot);
  }
  void FreeLines() override { calls.push_back("FreeLines"); }
  void ReloadChangedText() override {}

  void SetInt(uint32_t unit, int32_t index, int32_t value) override { ints[{unit, index}] = value; }
  int32_t GetInt(uint32_t unit, int32_t index) override { return Int(unit, index); }
  void SetText(uint32_t unit, int32_t index, std::string_view text) override { texts[{unit, index}] = text; }
  std::string GetText(uint32_t unit, int32_t index) override { return Text(unit, index); }
  void SetBytes(uint32_t unit, int32_t index, std::span<const uint8_t> bytes) override {
    ints[{unit, index}] = static_cast<int32_t>(bytes.size());
    byteValues[{unit, index}].assign(bytes.begin(), bytes.end());
  }
  bool IsChecked(uint32_t item) override { return Checked(item); }
  void SetChecked(uint32_t item, bool on) override {
    if (on)
      checked.insert(item);
    else
      checked.erase(item);
  }
  void SetMenuVisible(uint32_t item, bool visible) override {
    if (visible)
      hiddenItems.erase(item);
    else
      hiddenItems.insert(item);
  }
  bool OpenFileChooser() override {
    calls.push_back("OpenFileChooser");
    if (!chooserResult) return false;
    texts[{0x1601228F, 10}] = *chooserResult;
    return true;
  }
  void PopupTrayMenu() override { calls.push_back("PopupTrayMenu"); }

  void PresentAtActiveWindow(std::string_view previous, std::string_view line) override {
    calls.push_back("Present " + std::string(previous) + "|" + std::string(line));
  }
  void ShowTipAt(int32_t x, int32_t y, std::string_view line) override {
    calls.push_back("ShowTipAt " + std::to_string(x) + "," + std::to_string(y) + " " + std::string(line));
  }
  void HideTip() override { calls.push_back("HideTip"); }
  void ShowAgent() override { calls.push_back("ShowAgent"); }
  void HideAgent() override { calls.push_back("HideAgent"); }
  void SpeakLine(std::string_view line) override { calls.push_back("Speak " + std::string(line)); }
  void GreetAgent() override { calls.push_back("Greet"); }
  void PumpingDelay(int32_t us) override { calls.push_back("PumpingDelay " + std::to_string(us)); }
  int32_t TimedMessageBox(std::string_view text, uint32_t style, std::string_view title, int32_t timeoutMs) override {
    calls.push_back("TimedBox " + std::string(text) + "|" + std::to_string(style) + "|" + std::string(title) + "|" +
                    std::to_string(timeoutMs));
    return boxAnswer;
  }
  void MessageBox(std::string_view text, int32_t style, std::optional<std::string_view> title) override {
    calls.push_back("Box " + std::string(text) + "|" + std::to_string(style) + "|" +
                    (title ? std::string(*title) : std::string("<default>")));
  }
  std::optional<std::string> InputBox(const app::InputRequest& request) override {
    calls.push_back("InputBox " + request.initial + "|" + std::to_string(request.mode));
    return typed;
  }

  void SeedRandomFromTicks() override { calls.push_back("Seed"); }
  app::AttentionFacts Attention() override {
    app::AttentionFacts facts = attention;
    facts.fullScreenWindow = facts.fullScreenWindow || fullScreen;
    return facts;
  }
  app::LocalTime Now() override { return now; }
  app::DisplayState& Display() override { return display; }
  app::CursorPoint Cursor() override { return cursor; }
  void PlayMusic(std::string_view path) override { calls.push_back("Play " + std::string(path)); }
  void StopMusic() override { calls.push_back("StopMusic"); }
  bool SetAutoStart(std::string_view, std::string_view path) override {
    calls.push_back("SetAutoStart " + std::string(path));
    return autoStartWorks;
  }
  bool RemoveAutoStart(std::string_view) override {
    calls.push_back("RemoveAutoStart");
    return true;
  }
  void EditFile(std::string_view path) override { calls.push_back("Edit " + std::string(path)); }
  void EndProgram(int32_t code) override { calls.push_back("End " + std::to_string(code)); }
};

}  // namespace lizhi::test
