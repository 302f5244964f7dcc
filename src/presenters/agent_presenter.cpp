#include "presenters/agent_presenter.h"

namespace lizhi::presenters {

namespace {
constexpr char kCharacterFile[] = "\\MonkeyKing.acs";
constexpr char kGreeting[] = "greeting";
constexpr int32_t kCornerDistance = 200;
}  // namespace

void AgentPresenter::ShowAgent() {
  if (!loadTried_) {
    stage_.SetCharacterSize(0, 0);
    const bool loaded = stage_.Load(stage_.ProgramDirectory() + kCharacterFile);
    const int32_t x = static_cast<int32_t>(static_cast<double>(stage_.ScreenWidth()) - kCornerDistance);
    const int32_t y = static_cast<int32_t>(static_cast<double>(stage_.ScreenHeight()) - kCornerDistance);
    stage_.MoveTo(x, y, 1);
    loadTried_ = true;
    own_ = !loaded;
    if (own_) {
      // Where that corner lies inside the work area, else as near as keeps
      // the character whole and off the taskbar.
      const screen::Point size = stage_.OwnSize();
      const screen::Point at = screen::KeepInside({x, y}, size.x, size.y, stage_.PrimaryWorkArea());
      stage_.PlaceOwn(at.x, at.y);
    }
  }
  if (own_) {
    stage_.ShowOwn();
  } else {
    stage_.Show();
  }
}

void AgentPresenter::HideAgent() {
  if (own_) {
    stage_.HideOwn();
  } else {
    stage_.Hide();
  }
}

void AgentPresenter::SpeakLine(std::string_view line) {
  if (own_) {
    stage_.SpeakOwn(line);
  } else {
    stage_.Speak(line);
  }
}

void AgentPresenter::Greet() {
  if (own_) {
    stage_.GreetOwn();
  } else {
    stage_.Play(kGreeting);
  }
}

}  // namespace lizhi::presenters
