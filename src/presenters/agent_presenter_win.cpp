// The program's agent presenter: the start-up window's agent unit, the
// primary screen, and our own character where the server has none to show.
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "presenters/agent_presenter.h"
#include "presenters/character.h"
#include "presenters/character_window_win.h"
#include "runtime/base/monitor_dpi_win.h"
#include "runtime/base/runtime_state.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/library_calls.h"
#include "units/agent/agent_block.h"
#include "units/agent/agent_unit.h"

namespace lizhi::presenters {

namespace {

AgentUnitRef g_agent;

// A click on our own character is the agent unit's Click, a double click its
// DblClick: the handlers the template binds do the rest.
void OwnClick(void*, int32_t keys, int32_t x, int32_t y) {
  agent::FireMouseEvent(g_agent.windowId, g_agent.unitId, agent::kEventClick, keys, x, y);
}
void OwnDoubleClick(void*, int32_t keys, int32_t x, int32_t y) {
  agent::FireMouseEvent(g_agent.windowId, g_agent.unitId, agent::kEventDblClick, keys, x, y);
}

// A command of the agent unit through the frame.
rt::TypedValue Call(agent::AgentMethod method, std::initializer_list<rt::TypedValue> args = {}) {
  return rt::CallUnitMethod(g_agent.windowId, g_agent.unitId, rt::kUnitTypeAgent, method, args);
}

class ProgramStage final : public AgentStage {
 public:
  void SetCharacterSize(int32_t width, int32_t height) override {
    rt::WriteUnitProperty(g_agent.windowId, g_agent.unitId, agent::kCharacterWidth, rt::MakeInt(width));
    rt::WriteUnitProperty(g_agent.windowId, g_agent.unitId, agent::kCharacterHeight, rt::MakeInt(height));
  }
  bool Load(std::string_view path) override {
    const std::string text(path);
    return rt::IntOf(Call(agent::kMethodLoad, {rt::MakeTextValue(text.c_str())})) != 0;
  }
  void MoveTo(int32_t x, int32_t y, int32_t speed) override {
    Call(agent::kMethodMoveTo, {rt::MakeInt(x), rt::MakeInt(y), rt::MakeInt(speed)});
  }
  void Show() override { Call(agent::kMethodShow); }
  void Hide() override { Call(agent::kMethodHide); }
  void Speak(std::string_view line) override {
    const std::string text(line);
    Call(agent::kMethodSpeak, {rt::MakeTextValue(text.c_str())});
  }
  void Play(std::string_view animation) override {
    const std::string name(animation);
    Call(agent::kMethodPlay, {rt::MakeTextValue(name.c_str())});
  }
  int32_t ScreenWidth() override { return GetSystemMetrics(SM_CXSCREEN); }
  int32_t ScreenHeight() override { return GetSystemMetrics(SM_CYSCREEN); }
  std::string ProgramDirectory() override { return rt::Runtime().programDirectory; }
  screen::Area PrimaryWorkArea() override { return win::PrimaryMonitor().work; }
  screen::Point OwnSize() override {
    const data::CharacterArt art = data::OwnCharacterArt(win::PrimaryMonitor().dpi);
    return {art.width, art.height};
  }

  void PlaceOwn(int32_t x, int32_t y) override { Own().PlaceAt(x, y); }
  void ShowOwn() override { Own().Show(); }
  void HideOwn() override { Own().Hide(); }
  void SpeakOwn(std::string_view line) override { Own().Speak(line); }
  void GreetOwn() override { Own().Greet(); }

 private:
  CharacterWindow& Own() {
    if (!own_) {
      // Owned by the start-up window, so that it goes with it at the end.
      auto owner = static_cast<HWND>(rt::UnitWindowHandle(g_agent.windowId, rt::kWindowUnitId));
      own_ = std::make_unique<CharacterWindow>(owner, CharacterCallbacks{&OwnClick, &OwnDoubleClick, nullptr});
    }
    return *own_;
  }
  std::unique_ptr<CharacterWindow> own_;
};

AgentPresenter& Presenter() {
  static ProgramStage stage;
  static AgentPresenter presenter(stage);
  return presenter;
}

}  // namespace

void UseAgentUnit(AgentUnitRef unit) { g_agent = unit; }
void ShowAgent() { Presenter().ShowAgent(); }
void HideAgent() { Presenter().HideAgent(); }
void SpeakLine(std::string_view line) { Presenter().SpeakLine(line); }
void Greet() { Presenter().Greet(); }

}  // namespace lizhi::presenters
