#include "presenters/agent_presenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lizhi::presenters {
namespace {

// Records every call the presenter makes, as text.
class RecordingStage final : public AgentStage {
 public:
  bool loads = true;
  screen::Area work{0, 0, 1024, 768};
  screen::Point ownSize{112, 112};
  std::vector<std::string> calls;

  void SetCharacterSize(int32_t w, int32_t h) override { Add("size " + N(w) + " " + N(h)); }
  bool Load(std::string_view path) override {
    Add("load " + std::string(path));
    return loads;
  }
  void MoveTo(int32_t x, int32_t y, int32_t speed) override { Add("move " + N(x) + " " + N(y) + " " + N(speed)); }
  void Show() override { Add("show"); }
  void Hide() override { Add("hide"); }
  void Speak(std::string_view line) override { Add("speak " + std::string(line)); }
  void Play(std::string_view name) override { Add("play " + std::string(name)); }
  int32_t ScreenWidth() override { return 1024; }
  int32_t ScreenHeight() override { return 768; }
  std::string ProgramDirectory() override { return "C:\\lz"; }
  screen::Area PrimaryWorkArea() override { return work; }
  screen::Point OwnSize() override { return ownSize; }
  void PlaceOwn(int32_t x, int32_t y) override { Add("own place " + N(x) + " " + N(y)); }
  void ShowOwn() override { Add("own show"); }
  void HideOwn() override { Add("own hide"); }
  void SpeakOwn(std::string_view line) override { Add("own speak " + std::string(line)); }
  void GreetOwn() override { Add("own greet"); }

  std::vector<std::string> Take() { return std::exchange(calls, {}); }

 private:
  static std::string N(int32_t v) { return std::to_string(v); }
  void Add(std::string s) { calls.push_back(std::move(s)); }
};

using Calls = std::vector<std::string>;

TEST(AgentPresenter, LoadsOnceThenOnlyShowsHidesSpeaksAndGreetsThroughTheServer) {
  RecordingStage stage;
  AgentPresenter p(stage);
  p.HideAgent();
  EXPECT_EQ(stage.Take(), Calls{"hide"}) << "hiding before any show asks the unit, which has no character";
  p.ShowAgent();
  EXPECT_EQ(stage.Take(), (Calls{"size 0 0", "load C:\\lz\\MonkeyKing.acs", "move 824 568 1", "show"}));
  p.HideAgent();
  p.ShowAgent();
  p.SpeakLine("a");
  p.SpeakLine("a");
  p.Greet();
  EXPECT_EQ(stage.Take(), (Calls{"hide", "show", "speak a", "speak a", "play greeting"}));
  EXPECT_FALSE(p.usesOwnCharacter());
}

TEST(AgentPresenter, OurOwnCharacterStandsInWhenTheServerCannotLoad) {
  RecordingStage stage;
  stage.loads = false;
  AgentPresenter p(stage);
  p.ShowAgent();
  EXPECT_EQ(stage.Take(),
            (Calls{"size 0 0", "load C:\\lz\\MonkeyKing.acs", "move 824 568 1", "own place 824 568", "own show"}));
  p.SpeakLine("b");
  p.Greet();
  p.HideAgent();
  p.ShowAgent();
  EXPECT_EQ(stage.Take(), (Calls{"own speak b", "own greet", "own hide", "own show"}))
      << "placed once: later shows keep where it was dragged";
  EXPECT_TRUE(p.loadTried());
}

// The corner 200 pixels in from the primary screen's, kept whole inside the
// work area: above a tall taskbar, left of one on the right, and for the
// larger character of a higher DPI.
TEST(AgentPresenter, OwnCharacterStaysInsideThePrimaryWorkArea) {
  struct Row {
    screen::Area work;
    screen::Point size;
    const char* place;
  };
  const Row rows[] = {
      {{0, 0, 1024, 748}, {112, 112}, "own place 824 568"},
      {{0, 0, 1024, 728}, {168, 168}, "own place 824 560"},
      {{0, 0, 960, 768}, {224, 224}, "own place 736 544"},
      {{0, 60, 1024, 768}, {112, 112}, "own place 824 568"},
  };
  for (const Row& r : rows) {
    RecordingStage stage;
    stage.loads = false;
    stage.work = r.work;
    stage.ownSize = r.size;
    AgentPresenter p(stage);
    p.ShowAgent();
    EXPECT_EQ(stage.Take().at(3), r.place);
  }
}

}  // namespace
}  // namespace lizhi::presenters
