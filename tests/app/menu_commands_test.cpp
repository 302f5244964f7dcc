#include "app/menu_commands.h"

#include <gtest/gtest.h>

#include "app/core_texts.h"
#include "app/unit_props.h"
#include "data/startup_window.h"
#include "fake_host.h"
#include "runtime/frame/frame.h"

namespace lizhi::app {
namespace {

constexpr uint32_t kWindow = rt::kWindowUnitId;

TEST(ModeItems, EachChecksItselfAloneStoresShowAndSetsStripAndFollowing) {
  struct Case {
    void (*command)(CoreHost&);
    uint32_t item;
    const char* stored;
    int32_t visible, follow;
    bool hidesAgent;
  };
  for (const Case& c : {Case{ChooseTitleBar, data::kMenuTitleBar, "title", 0, 0, true},
                        Case{ChooseMouseFollow, data::kMenuMouseFollow, "mouse", 1, 100, true},
                        Case{ChooseBalloon, data::kMenuBalloon, "qipao", 0, 0, true},
                        Case{ChooseAgent, data::kMenuAgent, "agent", 0, 0, false}}) {
    test::FakeHost host;
    host.checked = {data::kMenuTitleBar, data::kMenuMouseFollow, data::kMenuBalloon, data::kMenuAgent,
                    data::kMenuRandom};
    c.command(host);
    EXPECT_EQ(host.checked, (std::set<uint32_t>{c.item, data::kMenuRandom})) << c.stored;
    EXPECT_EQ(host.ini["show"], c.stored);
    EXPECT_EQ(host.Int(kWindow, prop::kVisible), c.visible) << c.stored;
    EXPECT_EQ(host.Int(data::kFollowTimer, prop::kInterval), c.follow) << c.stored;
    EXPECT_EQ(host.Called("HideAgent"), c.hidesAgent) << c.stored;
    EXPECT_EQ(host.Called("ShowAgent"), c.item == data::kMenuAgent) << c.stored;
  }
}

TEST(OrderItems, StoreLowerCaseWordsAndSwapMarks) {
  test::FakeHost host;
  ChooseSequential(host);
  EXPECT_EQ(host.ini["rand"], "f");
  EXPECT_TRUE(host.Checked(data::kMenuSequential));
  EXPECT_FALSE(host.Checked(data::kMenuRandom));
  ChooseRandom(host);
  EXPECT_EQ(host.ini["rand"], "t");
  EXPECT_TRUE(host.Checked(data::kMenuRandom));
  EXPECT_FALSE(host.Checked(data::kMenuSequential));
  EXPECT_FALSE(host.Called("ResetSequence")) << "switching order keeps the cursor";
}

TEST(IntervalItem, StoresTextAsTypedAndSetsTimerAndBalloonDelay) {
  test::FakeHost host;
  host.ini["time"] = "3";
  host.typed = "5";
  AskInterval(host);
  EXPECT_EQ(host.calls, std::vector<std::string>{"InputBox 3|2"});
  EXPECT_EQ(host.ini["time"], "5");
  EXPECT_EQ(host.Int(data::kDisplayTimer, prop::kInterval), 5000);
  EXPECT_EQ(host.Int(data::kTipUnit, prop::kAutoHideDelay), 5000);

  host.typed = "-";
  AskInterval(host);
  EXPECT_EQ(host.ini["time"], "-");
  EXPECT_EQ(host.Int(data::kDisplayTimer, prop::kInterval), 0);
}

TEST(IntervalItem, CancelChangesNothing) {
  test::FakeHost host;
  AskInterval(host);
  EXPECT_EQ(host.calls, std::vector<std::string>{"InputBox 2|2"});
  EXPECT_TRUE(host.ini.empty());
  EXPECT_EQ(host.Int(data::kDisplayTimer, prop::kInterval), -999);
}

TEST(MusicItem, ChosenFilePlaysAndIsStoredRelative) {
  test::FakeHost host;
  host.ini["MP3"] = "\\mp3\\old.mp3";
  host.chooserResult = "C:\\lz\\mp3\\new.mp3";
  ChooseMusic(host);
  EXPECT_EQ(host.Text(data::kFileChooser, prop::kDialogInitialDirectory), "C:\\lz\\mp3\\");
  EXPECT_EQ(host.Text(data::kFileChooser, prop::kDialogTitle), kMusicTitle);
  EXPECT_EQ(host.Text(data::kFileChooser, prop::kDialogFilter), kMusicFilter);
  EXPECT_TRUE(host.Called("Play C:\\lz\\mp3\\new.mp3"));
  EXPECT_TRUE(host.Checked(data::kMenuMusic));
  EXPECT_EQ(host.ini["play"], "t");
  EXPECT_EQ(host.ini["MP3"], "\\mp3\\new.mp3");
}

TEST(MusicItem, CancelStopsMusicAndStoresOff) {
  test::FakeHost host;
  host.checked = {data::kMenuMusic};
  host.ini["play"] = "t";
  host.ini["MP3"] = "\\mp3\\old.mp3";
  ChooseMusic(host);
  EXPECT_EQ(host.Text(data::kFileChooser, prop::kDialogFileName), "\\mp3\\old.mp3") << "preset before opening";
  EXPECT_TRUE(host.Called("StopMusic"));
  EXPECT_FALSE(host.Checked(data::kMenuMusic));
  EXPECT_EQ(host.ini["play"], "f");
  EXPECT_EQ(host.ini["MP3"], "\\mp3\\old.mp3");
}

TEST(LoadTextItem, SequenceWordChoosesSequentialStoresRelativeAndRestarts) {
  test::FakeHost host;
  host.checked = {data::kMenuRandom, data::kMenuTitleBar};
  host.ini["time"] = "4";
  host.ints[{data::kDisplayTimer, prop::kInterval}] = 4000;
  std::string chosen = "C:\\lz\\txt\\" + std::string(kWordSequence) + ".txt";
  host.chooserResult = chosen;
  LoadTextFile(host);
  EXPECT_EQ(host.ini["rand"], "f");
  EXPECT_TRUE(host.Checked(data::kMenuSequential));
  EXPECT_EQ(host.ini["file"], "\\txt\\" + std::string(kWordSequence) + ".txt");
  EXPECT_EQ(host.calls,
            (std::vector<std::string>{"OpenFileChooser", "ClearLines", "ResetSequence", "LoadLines " + chosen}));
  EXPECT_EQ(host.Text(data::kTrayIcon, prop::kTipText), std::string(kTipPrefix) + std::string(kWordSequence) + ">>");
  EXPECT_EQ(host.Int(data::kDisplayTimer, prop::kInterval), 4000) << "restarted by applying the settings";
  EXPECT_EQ(host.Text(data::kFileChooser, prop::kDialogFileName), chosen);
}

TEST(LoadTextItem, BothWordsGiveSequentialAndOutsideFileIsStoredWhole) {
  test::FakeHost host;
  std::string chosen = "D:\\" + std::string(kWordRandom) + "\\" + std::string(kWordSequence) + ".txt";
  host.chooserResult = chosen;
  LoadTextFile(host);
  EXPECT_EQ(host.ini["rand"], "f");
  EXPECT_EQ(host.ini["file"], chosen);
}

TEST(LoadTextItem, NoWordLeavesOrderAndCancelChangesNothing) {
  test::FakeHost host;
  LoadTextFile(host);
  EXPECT_EQ(host.calls, std::vector<std::string>{"OpenFileChooser"});
  EXPECT_TRUE(host.ini.empty());
  EXPECT_EQ(host.Text(data::kFileChooser, prop::kDialogFileName), "C:\\lz\\txt\\default.txt");
  host.chooserResult = "C:\\lz\\txt\\poems.txt";
  LoadTextFile(host);
  EXPECT_EQ(host.ini.count("rand"), 0u);
  EXPECT_EQ(host.ini["file"], "\\txt\\poems.txt");
}

TEST(EditTextItem, OpensChosenFileForEditing) {
  test::FakeHost host;
  host.chooserResult = "C:\\lz\\txt\\a.txt";
  EditTextFile(host);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"OpenFileChooser", "Edit C:\\lz\\txt\\a.txt"}));
  EXPECT_TRUE(host.ini.empty());
}

TEST(AutoStartItem, MarkAndStoredValueFollowRegistration) {
  test::FakeHost host;
  ToggleAutoStart(host);
  EXPECT_TRUE(host.Called("SetAutoStart C:\\lz\\lizhi.exe"));
  EXPECT_TRUE(host.Checked(data::kMenuAutoStart));
  EXPECT_EQ(host.ini["AUTORUN"], "T");

  ToggleAutoStart(host);
  EXPECT_TRUE(host.Called("RemoveAutoStart"));
  EXPECT_FALSE(host.Checked(data::kMenuAutoStart));
  EXPECT_EQ(host.ini["AUTORUN"], "F") << "the next start must not show a mark without registration";
}

TEST(AutoStartItem, FailedRegistrationLeavesMarkClearAndStoresNothing) {
  test::FakeHost host;
  host.autoStartWorks = false;
  ToggleAutoStart(host);
  EXPECT_FALSE(host.Checked(data::kMenuAutoStart));
  EXPECT_TRUE(host.ini.empty());
}

}  // namespace
}  // namespace lizhi::app
