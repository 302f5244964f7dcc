// The application's operations on the agent character: show it (loading it
// the first time), hide it, let it speak a line, let it greet. Where the agent
// server cannot load the character, a character of our own stands in through
// the same operations, so that the agent mode always shows something.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/base/screen_area.h"

namespace lizhi::presenters {

// What the presenter drives: the agent unit's commands and properties, the
// screen, and our own character.
class AgentStage {
 public:
  virtual ~AgentStage() = default;
  // The agent unit.
  virtual void SetCharacterSize(int32_t width, int32_t height) = 0;
  virtual bool Load(std::string_view path) = 0;
  virtual void MoveTo(int32_t x, int32_t y, int32_t speed) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void Speak(std::string_view line) = 0;
  virtual void Play(std::string_view animation) = 0;
  // The world around it.
  virtual int32_t ScreenWidth() = 0;
  virtual int32_t ScreenHeight() = 0;
  virtual std::string ProgramDirectory() = 0;
  // The primary monitor's work area (without the taskbar).
  virtual screen::Area PrimaryWorkArea() = 0;
  // Our own character: placed once, then shown and hidden where it stands, so
  // that one dragged to another monitor stays there.
  virtual screen::Point OwnSize() = 0;
  virtual void PlaceOwn(int32_t x, int32_t y) = 0;
  virtual void ShowOwn() = 0;
  virtual void HideOwn() = 0;
  virtual void SpeakOwn(std::string_view line) = 0;
  virtual void GreetOwn() = 0;
};

class AgentPresenter {
 public:
  explicit AgentPresenter(AgentStage& stage) : stage_(stage) {}

  void ShowAgent();
  void HideAgent();
  void SpeakLine(std::string_view line);
  void Greet();

  bool loadTried() const { return loadTried_; }
  bool usesOwnCharacter() const { return own_; }

 private:
  AgentStage& stage_;
  bool loadTried_ = false;  // set by the first ShowAgent, never reset
  bool own_ = false;        // the server could not load the character
};

// The program's presenter, on the agent unit the application names before the
// first call (the start-up window's).
struct AgentUnitRef {
  uint32_t windowId = 0;
  uint32_t unitId = 0;
};
void UseAgentUnit(AgentUnitRef unit);
void ShowAgent();
void HideAgent();
void SpeakLine(std::string_view line);
void Greet();

}  // namespace lizhi::presenters
