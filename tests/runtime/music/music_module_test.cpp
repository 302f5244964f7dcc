// The player as a module reached by name.
#include <gtest/gtest.h>

#include "runtime/music/lazy_module.h"
#include "runtime/music/player_entries.h"

namespace lizhi::music {
namespace {

TEST(MusicModule, AnswersExactlyTheSixEntryNames) {
  const LazyModule& module = MusicPlayerModule();
  ASSERT_TRUE(module.init());
  EXPECT_EQ(reinterpret_cast<CreatePlayerFn>(module.lookup("CreatePlayer")), &CreatePlayer);
  EXPECT_EQ(reinterpret_cast<NewPlayFn>(module.lookup("NewPlay")), &NewPlay);
  EXPECT_EQ(reinterpret_cast<PlayFn>(module.lookup("Play")), &Play);
  EXPECT_EQ(reinterpret_cast<GetPlayStateFn>(module.lookup("GetPlayState")), &GetPlayState);
  EXPECT_EQ(reinterpret_cast<SetPauseStateFn>(module.lookup("SetPauseState")), &SetPauseState);
  EXPECT_EQ(reinterpret_cast<RemovePlayerFn>(module.lookup("RemovePlayer")), &RemovePlayer);
  for (const char* other : {"createplayer", "PLAY", "Play ", "", "Stop", "RemovePlayers"}) {
    EXPECT_EQ(module.lookup(other), nullptr) << '"' << other << '"';
  }
  EXPECT_EQ(module.lookup(nullptr), nullptr);
}

TEST(MusicModule, CleanupRemovesPlayersStillAlive) {
  const LazyModule& module = MusicPlayerModule();
  const auto create = reinterpret_cast<CreatePlayerFn>(module.lookup("CreatePlayer"));
  const uintptr_t player = create("a.mp3\0", 1);
  module.cleanup();
  // The handle is gone: entries treat it as unknown.
  EXPECT_EQ(GetPlayState(player), 0);
  RemovePlayer(player);
}

}  // namespace
}  // namespace lizhi::music
