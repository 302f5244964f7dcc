#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "runtime/commands/command_call.h"
#include "runtime/commands/gbk_from_utf8.h"
#include "runtime/commands/message_box.h"
#include "runtime/commands/music_commands.h"
#include "runtime/commands/stand_ins_native.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_type.h"

namespace lizhi {
namespace {

using test::Int;
using test::Text;

TEST(CommandsTable, HasTheFortyNineCommandsOnce) {
  std::set<std::string> names;
  for (const auto& c : rt::CommandTable()) {
    EXPECT_NE(c.run, nullptr) << c.name;
    names.insert(c.name);
  }
  EXPECT_EQ(names.size(), 49u);
  EXPECT_NE(rt::FindCommand("SplitText"), nullptr);
  EXPECT_EQ(rt::FindCommand("splittext"), nullptr);
  EXPECT_EQ(rt::CallCommand("NoSuchCommand", {}).type, rt::kTypeNone);
}

TEST(CommandsDialogs, MessageBoxIsTaskModalUnlessSystemModal) {
  EXPECT_EQ(rt::MessageBoxStyle(4096), 4096u);
  EXPECT_EQ(rt::MessageBoxStyle(0), 0x2000u);
  EXPECT_EQ(rt::MessageBoxStyle(1 | 0x30), 0x2031u);
}

TEST(CommandsDialogs, MessageBoxResultsCountFromOk) {
  const int32_t expected[] = {0, 0, 1, 2, 3, 4, 5, 6, 0, 0};  // ids 0..9
  for (int32_t id = 0; id < 10; ++id) EXPECT_EQ(rt::MessageBoxResult(id), expected[id]) << id;
}

TEST(CommandsDialogs, ShowMessageBoxCommand) {
  auto& calls = rt::native::MessageBoxCalls();
  calls.clear();
  rt::native::SetMessageBoxAnswer(7);  // No
  EXPECT_EQ(rt::IntOf(rt::CallCommand("ShowMessageBox", {Text("hello dovra"), Int(0)})), 6);
  rt::native::SetMessageBoxAnswer(1);
  rt::CallCommand("ShowMessageBox", {Int(42), Int(4096), Text("t")});
  rt::CallCommand("ShowMessageBox", {rt::MakeBytesValue(nullptr), Int(0)});
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].text, "hello dovra");
  EXPECT_EQ(calls[0].caption, test::Gbk("信息："));
  EXPECT_EQ(calls[0].style, 0x2000u);
  EXPECT_EQ(calls[1].text, "42");
  EXPECT_EQ(calls[1].caption, "t");
  EXPECT_EQ(calls[1].style, 4096u);
  EXPECT_EQ(calls[2].text, "");  // a byte array is not shown
}

TEST(CommandsDialogs, PopupMenuOnlyForAMenuOfTheSameWindow) {
  auto& calls = rt::native::PopupCalls();
  calls.clear();
  rt::TypedValue window = test::Unit(rt::kStartupWindowId, rt::kWindowUnitId, rt::kUnitTypeWindow);
  rt::CallCommand("PopupMenu", {window, test::Unit(rt::kStartupWindowId, 0x260121FC, rt::kUnitTypeMenu)});
  rt::CallCommand("PopupMenu", {window, test::Unit(0x52010002, 0x260121FC, rt::kUnitTypeMenu)});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].windowId, rt::kStartupWindowId);
  EXPECT_EQ(calls[0].menuUnitId, 0x260121FCu);
}

TEST(CommandsDialogs, InputBoxStoresIntoTheVariablesType) {
  rt::native::SetInputBoxAnswer("  -12.75abc");
  int32_t number = 5;
  EXPECT_TRUE(rt::IntOf(rt::CallCommand("InputBox", {Text(""), Text(""), Text(""), test::Ref(&number, rt::kTypeInt)})));
  EXPECT_EQ(number, -12);
  double real = 0;
  rt::CallCommand("InputBox", {Text("p"), Text("t"), Text("i"), test::Ref(&real, rt::kTypeDouble), Int(3)});
  EXPECT_EQ(real, -12.75);
  int64_t wide = 0;
  rt::native::SetInputBoxAnswer("99999999999");
  rt::CallCommand("InputBox", {Text(""), Text(""), Text(""), test::Ref(&wide, rt::kTypeLong)});
  EXPECT_EQ(wide, 99999999999LL);
  rt::CallCommand("InputBox", {Text(""), Text(""), Text(""), test::Ref(&number, rt::kTypeInt)});
  EXPECT_EQ(number, INT32_MAX);  // atoi saturates
  char* text = rt::CopyText("old");
  rt::native::SetInputBoxAnswer("typed");
  rt::CallCommand("InputBox", {Text(""), Text(""), Text(""), test::Ref(&text, rt::kTypeText)});
  EXPECT_STREQ(text, "typed");
  rt::native::SetInputBoxAnswer("");
  rt::CallCommand("InputBox", {Text(""), Text(""), Text(""), test::Ref(&text, rt::kTypeText)});
  EXPECT_EQ(text, nullptr);  // the empty text is no text
  rt::native::SetInputBoxAnswer(std::nullopt);
}

TEST(CommandsDialogs, InputBoxCancelLeavesTheVariable) {
  rt::native::SetInputBoxAnswer(std::nullopt);
  int32_t number = 5;
  EXPECT_FALSE(
      rt::IntOf(rt::CallCommand("InputBox", {Text(""), Text(""), Text("9"), test::Ref(&number, rt::kTypeInt)})));
  EXPECT_EQ(number, 5);
}

TEST(CommandsDialogs, InputBoxModeIsClamped) {
  int32_t number = 0;
  for (auto [given, used] : {std::pair{0, 1}, {-3, 1}, {2, 2}, {9, 4}}) {
    rt::CallCommand("InputBox", {Text(""), Text(""), Text(""), test::Ref(&number, rt::kTypeInt), Int(given)});
    EXPECT_EQ(rt::native::LastInputBoxMode(), used) << given;
  }
  rt::CallCommand("InputBox", {Text(""), Text(""), Text(""), test::Ref(&number, rt::kTypeInt)});
  EXPECT_EQ(rt::native::LastInputBoxMode(), 1);
}

// A stand-in player module that records what the commands ask of it.
struct FakePlayer {
  static inline std::vector<std::string> created;
  static inline std::vector<int32_t> repeats;
  static inline std::vector<uintptr_t> played, removed;
  static inline uintptr_t next = 100;
  static void Reset() {
    created.clear();
    repeats.clear();
    played.clear();
    removed.clear();
  }
  static uintptr_t Create(const char* names, int32_t repeat) {
    std::string list;
    for (const char* p = names; *p; p += std::strlen(p) + 1) list += std::string(p) + "|";
    created.push_back(list);
    repeats.push_back(repeat);
    return ++next;
  }
  static void NewPlay(uintptr_t h, uintptr_t, const char*, int32_t) { played.push_back(h); }
  static void Remove(uintptr_t h) { removed.push_back(h); }
  static music::EntryAddress Lookup(const char* name) {
    std::string n = name;
    if (n == "CreatePlayer") return reinterpret_cast<music::EntryAddress>(&Create);
    if (n == "NewPlay") return reinterpret_cast<music::EntryAddress>(&NewPlay);
    if (n == "RemovePlayer") return reinterpret_cast<music::EntryAddress>(&Remove);
    return nullptr;
  }
  static bool Init() { return true; }
  static void Cleanup() {}
  static const music::LazyModule& Module() {
    static const music::LazyModule module{&Init, &Lookup, &Cleanup};
    return module;
  }
};

void Play(std::initializer_list<rt::TypedValue> args) {
  rt::PlayMusic(FakePlayer::Module(),
                rt::ParsePlayMusicArgs(rt::CommandArgs(static_cast<int32_t>(args.size()), args.begin())));
}

TEST(CommandsMusic, PlayMusicCollectsNamesAndRepeatCount) {
  FakePlayer::Reset();
  void* array = rt::MakeTextArray(3);
  rt::TextArrayItems(array)[0] = rt::CopyText("b.mp3");
  rt::TextArrayItems(array)[2] = rt::CopyText("c.mp3");  // the middle one is empty
  rt::TypedValue names{0, 0, rt::kTypeText | rt::kByRefFlag};
  rt::SetPointer(names, array);
  Play({Int(-1), Text("a.mp3"), Text(""), names});
  rt::FreeTextArray(array);
  ASSERT_EQ(FakePlayer::created.size(), 1u);
  EXPECT_EQ(FakePlayer::created[0], "a.mp3|b.mp3|c.mp3|");
  EXPECT_EQ(FakePlayer::repeats[0], 0);  // -1: without end
  EXPECT_EQ(FakePlayer::played, std::vector<uintptr_t>{rt::CurrentPlayer()});

  uintptr_t first = rt::CurrentPlayer();
  Play({test::LeftOut(), Text("d.mp3")});
  EXPECT_EQ(FakePlayer::removed, std::vector<uintptr_t>{first});
  EXPECT_EQ(FakePlayer::repeats.back(), 1);  // absent: once
  rt::RemoveCurrentPlayer();
}

TEST(CommandsMusic, PlayMusicOfZeroOnlyStops) {
  FakePlayer::Reset();
  Play({Int(1), Text("a.mp3")});
  uintptr_t playing = rt::CurrentPlayer();
  Play({Int(0), Text("b.mp3")});
  EXPECT_EQ(FakePlayer::removed, std::vector<uintptr_t>{playing});
  EXPECT_EQ(FakePlayer::created.size(), 1u);
  EXPECT_EQ(rt::CurrentPlayer(), 0u);
  Play({Int(3)});  // no names: nothing starts
  EXPECT_EQ(FakePlayer::created.size(), 1u);
}

TEST(CommandsMusic, StopMusicRemovesThePlayerAndAsksTheFrame) {
  FakePlayer::Reset();
  Play({Int(2), Text("a.mp3")});
  uintptr_t playing = rt::CurrentPlayer();
  int32_t before = rt::native::StopAllMusicRequests();
  rt::CallCommand("StopMusic", {});
  EXPECT_EQ(FakePlayer::removed, std::vector<uintptr_t>{playing});
  EXPECT_EQ(rt::native::StopAllMusicRequests(), before + 1);
  EXPECT_EQ(rt::CurrentPlayer(), 0u);
}

TEST(CommandsEnvironment, ProgramDirectoryAndName) {
  rt::RuntimeState saved = rt::Runtime();
  rt::Runtime().programDirectory = "C:\\prog";
  rt::Runtime().executableName = "lizhi.exe";
  EXPECT_EQ(test::TakeText(rt::CallCommand("ProgramDirectory", {})), "C:\\prog");
  EXPECT_EQ(test::TakeText(rt::CallCommand("ExecutableName", {})), "lizhi.exe");
  rt::native::SetTickCount(1234);
  EXPECT_EQ(rt::IntOf(rt::CallCommand("TickCount", {})), 1234);
  rt::native::SetTickCount(std::nullopt);
  EXPECT_EQ(rt::IntOf(rt::CallCommand("WindowHandle", {test::LeftOut()})), 0);
  rt::Runtime() = saved;
}

}  // namespace
}  // namespace lizhi
