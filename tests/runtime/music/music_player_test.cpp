// The player end to end through its six entries, with a fake sound device:
// list order and repeats, what reaches the decoder, pause, removal, failures,
// and how restarts are paced (on a fake clock).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "fake_pacing_clock.h"
#include "fake_wave_device.h"
#include "mp3_builder.h"
#include "runtime/music/music_thread.h"
#include "runtime/music/player_entries.h"
#include "runtime/music/progress_notify.h"

namespace lizhi::music {
namespace {

using test::Bytes;
using test::Completion;
using test::DeviceSession;
using test::FakeAudio;
using test::Frames;
using test::kMono32k;
using test::kStereo44k;
using test::operator+;

class PlayerTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (uintptr_t p : players_) RemovePlayer(p);
    EXPECT_EQ(MusicThread::LiveCount(), 0);
  }

  uintptr_t Create(const std::vector<std::string>& names, int32_t repeat) {
    const std::string packed = test::PackNames(names);
    players_.push_back(CreatePlayer(packed.c_str(), repeat));
    return players_.back();
  }
  void Remove(uintptr_t player) {
    RemovePlayer(player);
    std::erase(players_, player);
  }

  static bool SameFormat(const PcmFormat& f, const test::FrameKind& k) {
    return f.channels == k.channels && f.sampleRate == k.sampleRate && f.bitsPerSample == 16;
  }

  // The device outlives the players: TearDown removes them first.
  FakeAudio& UseAudio(Completion completion = Completion::Immediate) {
    audio_.reset();
    audio_ = std::make_unique<FakeAudio>(completion);
    return *audio_;
  }

  test::FakePacingClock clock_;
  test::TempFolder folder_;
  std::unique_ptr<FakeAudio> audio_;
  std::vector<uintptr_t> players_;
};

// ---- list order and repeats

TEST_F(PlayerTest, TwoFilesRepeatedTwicePlayABABThenStop) {
  FakeAudio& audio = UseAudio();
  const std::string a = folder_.Write("a.mp3", Frames(kStereo44k, 5));
  const std::string b = folder_.Write("b.mp3", Frames(kMono32k, 4));
  const uintptr_t player = Create({a, b}, 2);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 4 && GetPlayState(player) == 0; }));
  Remove(player);

  const std::vector<DeviceSession> s = audio.sessions();
  ASSERT_EQ(s.size(), 4u);
  const test::FrameKind* expected[] = {&kStereo44k, &kMono32k, &kStereo44k, &kMono32k};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_TRUE(SameFormat(s[i].format, *expected[i])) << "play " << i;
    EXPECT_EQ(s[i].pcm.size(), (i % 2 == 0 ? 5 : 4) * expected[i]->pcmBytes) << "play " << i;
    EXPECT_TRUE(s[i].closed);
  }
  EXPECT_TRUE(audio.violations().empty());
}

TEST_F(PlayerTest, RepeatCountZeroOrBelowPlaysUntilRemoval) {
  for (int32_t repeat : {0, -1}) {
    FakeAudio& audio = UseAudio();
    const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 3))}, repeat);
    NewPlay(player, 0, nullptr, 0);
    ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() >= 6; })) << "repeat " << repeat;
    EXPECT_EQ(GetPlayState(player), 1);
    Remove(player);
    EXPECT_EQ(audio.devicesAlive(), 0u);
  }
}

TEST_F(PlayerTest, CreatingAPlayerPlaysNothingUntilStarted) {
  FakeAudio& audio = UseAudio();
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 3))}, 1);
  EXPECT_NE(player, 0u);
  EXPECT_EQ(GetPlayState(player), 0);
  Remove(player);
  EXPECT_EQ(audio.opened(), 0u);
}

// ---- what the decoder gets

TEST_F(PlayerTest, Id3v1TagAtTheEndIsNeverFedToTheDecoder) {
  // The last frame lacks exactly the 128 bytes the tag takes: fed the tag,
  // the decoder would find a whole frame there and decode one more.
  FakeAudio& audio = UseAudio();
  Bytes file = Frames(kStereo44k, 5);
  file.resize(file.size() - 128);
  const uintptr_t player = Create({folder_.Write("tagged.mp3", file + test::Id3v1Tag())}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  EXPECT_EQ(audio.sessions()[0].pcm.size(), 4 * kStereo44k.pcmBytes);
}

TEST_F(PlayerTest, GarbageAndUnknownTagBeforeTheFirstFrameAreSkipped) {
  FakeAudio& audio = UseAudio();
  const Bytes v24 = test::Id3v2Tag(4, test::Text("TIT2 some title") + test::Garbage(300));
  const std::string file = folder_.Write("noisy.mp3", test::Garbage(2000) + v24 + Frames(kStereo44k, 6));
  const uintptr_t player = Create({file}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  const DeviceSession s = audio.sessions()[0];
  EXPECT_TRUE(SameFormat(s.format, kStereo44k));
  EXPECT_EQ(s.pcm.size(), 6 * kStereo44k.pcmBytes);
}

TEST_F(PlayerTest, Id3v23TagIsSkippedWholeEvenWhenItHoldsFrames) {
  // Frames of another format inside the tag would be found first if the tag
  // were searched.
  FakeAudio& audio = UseAudio();
  const Bytes tag = test::Id3v2Tag(3, Frames(kMono32k, 4));
  const uintptr_t player = Create({folder_.Write("v23.mp3", tag + Frames(kStereo44k, 5))}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  const DeviceSession s = audio.sessions()[0];
  EXPECT_TRUE(SameFormat(s.format, kStereo44k));
  EXPECT_EQ(s.pcm.size(), 5 * kStereo44k.pcmBytes);
}

TEST_F(PlayerTest, DamageInsideTheStreamIsSkippedAndDecodingGoesOn) {
  FakeAudio& audio = UseAudio();
  const Bytes file = Frames(kStereo44k, 4) + test::Garbage(3000) + Frames(kStereo44k, 4);
  const uintptr_t player = Create({folder_.Write("damaged.mp3", file)}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  EXPECT_EQ(audio.sessions()[0].pcm.size(), 8 * kStereo44k.pcmBytes);
}

TEST_F(PlayerTest, ResyncKeepsTheStreamsFormat) {
  // Behind damage the resync lands on a header that reads as mono; the device
  // stays open for stereo, so that frame and all after it still come as stereo.
  FakeAudio& audio = UseAudio();
  Bytes mono = Frames(kStereo44k, 1);
  mono[3] |= 0xC0;
  const Bytes file = Frames(kStereo44k, 4) + test::Garbage(3000) + mono + Frames(kStereo44k, 4);
  const uintptr_t player = Create({folder_.Write("damaged.mp3", file)}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  EXPECT_TRUE(SameFormat(audio.sessions()[0].format, kStereo44k));
  EXPECT_EQ(audio.sessions()[0].pcm.size(), 9 * kStereo44k.pcmBytes);
}

// ---- pacing: files that give no sound never make the player spin

TEST_F(PlayerTest, SilentFileIsRetriedWithGrowingPausesThenSkipped) {
  // Twice through [junk, good]: junk is tried four times, then given up and
  // passed over in the second round; every restart waits out a second.
  FakeAudio& audio = UseAudio();
  const std::string junk = folder_.Write("junk.mp3", test::Garbage(50000));
  const std::string good = folder_.Write("good.mp3", Frames(kMono32k, 3));
  const uintptr_t player = Create({junk, good}, 2);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 2 && GetPlayState(player) == 0; }));
  EXPECT_EQ(clock_.pauses(), (std::vector<int>{1000, 2000, 4000, 1000, 1000}));
  EXPECT_TRUE(SameFormat(audio.sessions()[1].format, kMono32k));
}

TEST_F(PlayerTest, PlayerStopsWhenNoFileOfTheListGivesSound) {
  // Not MPEG audio, empty, and a tag running past the end of the file (the
  // frames inside it are never searched).
  FakeAudio& audio = UseAudio();
  Bytes overlong = test::Id3v2Tag(4, Frames(kStereo44k, 20));
  overlong.resize(4000);
  const uintptr_t player = Create({folder_.Write("junk.mp3", test::Garbage(50000)), folder_.Write("empty.mp3", {}),
                                   folder_.Write("overlong.mp3", overlong)},
                                  0);
  NewPlay(player, 0, nullptr, 0);
  const std::vector<int> paced{1000, 2000, 4000, 1000, 1000, 2000, 4000, 1000, 1000, 2000, 4000};
  ASSERT_TRUE(audio.WaitUntil([&] { return GetPlayState(player) == 0 && MusicThread::LiveCount() == 1; }));
  EXPECT_EQ(clock_.pauses(), paced);
  EXPECT_EQ(audio.opened(), 0u);
  // A start from the caller gives every file a fresh chance.
  Play(player);
  ASSERT_TRUE(audio.WaitUntil([&] { return clock_.pauses().size() == 2 * paced.size(); }));
}

TEST_F(PlayerTest, StartPositionSkipsThatShareOfTheFile) {
  FakeAudio& audio = UseAudio();
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 20))}, 1);
  NewPlay(player, 0, nullptr, 50);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  EXPECT_EQ(audio.sessions()[0].pcm.size(), 10 * kStereo44k.pcmBytes);
}

TEST_F(PlayerTest, MonoStreamKeepsFlowingOnceEveryHeaderIsQueued) {
  // Mono frames are half the decoder's reservation, so with every header
  // queued the decoder waits for blocks that only finished headers give back.
  FakeAudio& audio = UseAudio(Completion::OnReset);
  const uintptr_t player = Create({folder_.Write("mono.mp3", Frames(kMono32k, 400))}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && audio.sessions()[0].writes == 226; }));
  audio.StartCompleting();
  ASSERT_TRUE(audio.WaitUntil([&] { return GetPlayState(player) == 0; }));
  EXPECT_EQ(audio.sessions()[0].pcm.size(), 400 * kMono32k.pcmBytes);
}

// ---- pause and resume

TEST_F(PlayerTest, PauseOnStoppedAndResumeOnPlayingDoNothing) {
  FakeAudio& audio = UseAudio(Completion::OnReset);
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 200))}, 1);
  SetPauseState(player, 1);
  EXPECT_EQ(GetPlayState(player), 0);

  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1; }));
  SetPauseState(player, 0);
  EXPECT_EQ(GetPlayState(player), 1);
  EXPECT_EQ(audio.sessions()[0].restarts, 0);
  EXPECT_EQ(audio.sessions()[0].pauses, 0);
}

TEST_F(PlayerTest, PauseAndResumeReachTheDevice) {
  FakeAudio& audio = UseAudio(Completion::OnReset);
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 200))}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1; }));
  SetPauseState(player, 7);
  EXPECT_EQ(GetPlayState(player), -1);
  EXPECT_EQ(audio.sessions()[0].pauses, 1);
  SetPauseState(player, 1);  // already paused
  EXPECT_EQ(audio.sessions()[0].pauses, 1);
  SetPauseState(player, 0);
  EXPECT_EQ(GetPlayState(player), 1);
  EXPECT_EQ(audio.sessions()[0].restarts, 1);
}

TEST_F(PlayerTest, NewPlayOnAPausedPlayerResumesTheSameFile) {
  FakeAudio& audio = UseAudio(Completion::OnReset);
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 200))}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1; }));
  SetPauseState(player, 1);
  NewPlay(player, 0, nullptr, 0);
  EXPECT_EQ(GetPlayState(player), 1);
  EXPECT_EQ(audio.opened(), 1u);
  EXPECT_EQ(audio.sessions()[0].restarts, 1);
}

TEST_F(PlayerTest, NewPlayWhilePlayingStartsTheFileAfresh) {
  FakeAudio& audio = UseAudio(Completion::OnReset);
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 200))}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1; }));
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 2; }));
  EXPECT_TRUE(audio.sessions()[0].closed);
  EXPECT_EQ(GetPlayState(player), 1);
}

// ---- removal

TEST_F(PlayerTest, RemovalWhilePlayingResetsTheDeviceAndEndsEveryThread) {
  FakeAudio& audio = UseAudio(Completion::OnReset);  // buffers stay queued, as if playing
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 400))}, 0);
  NewPlay(player, 0, nullptr, 0);
  // The output stage fills every header and then waits for one to come back.
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && audio.sessions()[0].writes == 112; }));
  EXPECT_GT(MusicThread::LiveCount(), 0);

  Remove(player);
  EXPECT_EQ(MusicThread::LiveCount(), 0);
  EXPECT_EQ(audio.devicesAlive(), 0u);
  const DeviceSession s = audio.sessions()[0];
  EXPECT_EQ(s.headerCount, 112u);
  EXPECT_TRUE(s.resetBeforeClose);
  EXPECT_TRUE(s.closed);
  EXPECT_TRUE(audio.violations().empty()) << audio.violations()[0];
}

TEST_F(PlayerTest, RemovalWhilePausedEndsEveryThread) {
  FakeAudio& audio = UseAudio(Completion::Background);
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 400))}, 0);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1; }));
  SetPauseState(player, 1);
  Remove(player);
  EXPECT_EQ(MusicThread::LiveCount(), 0);
  EXPECT_EQ(audio.devicesAlive(), 0u);
}

TEST_F(PlayerTest, NullAndRemovedHandlesDoNothing) {
  EXPECT_EQ(GetPlayState(0), 0);
  NewPlay(0, 0, nullptr, 0);
  Play(0);
  SetPauseState(0, 1);
  RemovePlayer(0);

  const uintptr_t player = Create({"x.mp3"}, 1);
  Remove(player);
  EXPECT_EQ(GetPlayState(player), 0);
  NewPlay(player, 0, nullptr, 0);
  RemovePlayer(player);
}

// ---- starts that do nothing

TEST_F(PlayerTest, ContentKeyLongerThan511BytesMakesTheStartDoNothing) {
  FakeAudio& audio = UseAudio();
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 3))}, 1);
  const std::string tooLong(512, 'k');
  NewPlay(player, 0, tooLong.c_str(), 0);
  EXPECT_EQ(GetPlayState(player), 0);

  const std::string longest(511, 'k');
  NewPlay(player, 0, longest.c_str(), 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  Remove(player);
  EXPECT_EQ(audio.opened(), 1u);
}

TEST_F(PlayerTest, UnopenableFileLeavesPlayerStoppedAndListWhereItWas) {
  FakeAudio& audio = UseAudio();
  const std::string missing = folder_.PathOf("missing.mp3");
  const std::string other = folder_.Write("other.mp3", Frames(kStereo44k, 3));
  const uintptr_t player = Create({missing, other}, 1);
  NewPlay(player, 0, nullptr, 0);
  EXPECT_EQ(GetPlayState(player), 0);

  // Still at the first name: once it exists, it is the one that plays.
  folder_.Write("missing.mp3", Frames(kMono32k, 3));
  Play(player);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() >= 1; }));
  EXPECT_TRUE(SameFormat(audio.sessions()[0].format, kMono32k));
}

TEST_F(PlayerTest, EmptyListNeverPlays) {
  FakeAudio& audio = UseAudio();
  const uintptr_t player = CreatePlayer(nullptr, 1);
  players_.push_back(player);
  NewPlay(player, 0, nullptr, 0);
  EXPECT_EQ(GetPlayState(player), 0);
  const uintptr_t empty = CreatePlayer("\0", 1);
  players_.push_back(empty);
  NewPlay(empty, 0, nullptr, 0);
  EXPECT_EQ(GetPlayState(empty), 0);
  EXPECT_EQ(audio.opened(), 0u);
}

// ---- without a device

TEST_F(PlayerTest, WithoutADeviceFilesStillEndAndTheListMovesOn) {
  FakeAudio& audio = UseAudio();
  audio.set_fail_open(true);
  const std::string a = folder_.Write("a.mp3", Frames(kStereo44k, 3));
  const std::string b = folder_.Write("b.mp3", Frames(kMono32k, 3));
  const uintptr_t player = Create({a, b}, 1);
  NewPlay(player, 0, nullptr, 0);
  EXPECT_EQ(GetPlayState(player), 1);
  ASSERT_TRUE(audio.WaitUntil([&] { return GetPlayState(player) == 0; }));
}

// ---- progress

class ProgressRecorder {
 public:
  ProgressRecorder() {
    previous_ = SetProgressPoster([this](uintptr_t window, int percent) {
      std::lock_guard lock(mutex_);
      posts_.push_back({window, percent});
    });
  }
  ~ProgressRecorder() { SetProgressPoster(std::move(previous_)); }
  std::vector<std::pair<uintptr_t, int>> posts() const {
    std::lock_guard lock(mutex_);
    return posts_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::pair<uintptr_t, int>> posts_;
  ProgressPoster previous_;
};

TEST_F(PlayerTest, ProgressRisesThroughTheFileAndEndsAt100) {
  FakeAudio& audio = UseAudio();
  ProgressRecorder progress;
  constexpr uintptr_t kWindow = 0x1234;
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 150))}, 1);
  NewPlay(player, kWindow, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  Remove(player);

  const auto posts = progress.posts();
  ASSERT_GE(posts.size(), 3u);
  EXPECT_EQ(posts.front().second, 0);
  EXPECT_EQ(posts.back().second, 100);
  EXPECT_EQ(posts[posts.size() - 2].second, 99);
  for (size_t i = 0; i < posts.size(); ++i) {
    EXPECT_EQ(posts[i].first, kWindow);
    if (i > 0) {
      EXPECT_GT(posts[i].second, posts[i - 1].second);
    }
  }
}

TEST_F(PlayerTest, NoProgressWithoutANotifyWindow) {
  FakeAudio& audio = UseAudio();
  ProgressRecorder progress;
  const uintptr_t player = Create({folder_.Write("a.mp3", Frames(kStereo44k, 10))}, 1);
  NewPlay(player, 0, nullptr, 0);
  ASSERT_TRUE(audio.WaitUntil([&] { return audio.opened() == 1 && GetPlayState(player) == 0; }));
  Remove(player);
  EXPECT_TRUE(progress.posts().empty());
}

}  // namespace
}  // namespace lizhi::music
