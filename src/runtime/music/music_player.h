// Plays a list of files one after another, a number of times or without end.
// The caller's thread only starts, pauses, queries and removes; a command
// thread of the player's own moves on to the next file when a pipeline ends,
// pacing restarts so that files that end at once never make it spin.
#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "runtime/music/music_thread.h"
#include "runtime/music/name_list.h"
#include "runtime/music/playback_pipeline.h"
#include "runtime/music/player_event.h"
#include "runtime/music/restart_pacer.h"
#include "runtime/music/semaphore.h"

namespace lizhi::music {

class MusicPlayer final : public EventSink {
 public:
  enum class State : int32_t { Paused = 1, Playing = 2, Stopped = 3 };

  // Content keys longer than this make a start do nothing.
  static constexpr size_t kMaxContentKeyBytes = 511;

  // `names`: packed as NameList reads them. `repeatCount`: plays of the whole
  // list, 0 (or below) without end.
  MusicPlayer(const char* names, int32_t repeatCount);
  // Removal: stops the pipeline, ends the command thread, frees the queue.
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  // Starts (or resumes) the current file. `contentKey` may be null.
  void Start(uintptr_t notifyWindow, const char* contentKey, double startPercent);
  // Start with no notify window at position 0, keeping the key given before.
  void Play();
  void SetPaused(bool pause);
  State state() const;

  void Post(const PlayerEvent& event) override;

 private:
  // Both with opMutex_ held.
  void StartCurrent(double startPercent);
  void DestroyPipeline();

  // With opMutex_ held: moves past the end of the list and past files given
  // up on. False when the list is used up or no file of it can play.
  bool AdvanceToPlayable();

  void CommandLoop();
  // The pause before the pending restart, if one is pending.
  std::optional<std::chrono::milliseconds> Handle(const PlayerEvent& event);
  // Waits out a pause unless the player is removed first (then false).
  bool WaitOut(std::chrono::milliseconds pause);
  void RestartIfPending();

  // One operation at a time: calls from the caller's thread and the command
  // thread's handling of an event.
  mutable std::mutex opMutex_;
  NameList names_;
  int32_t repeatCount_;
  State state_ = State::Stopped;
  bool listUsedUp_ = false;
  uintptr_t notifyWindow_ = 0;
  std::string contentKey_;
  std::unique_ptr<PlaybackPipeline> pipeline_;
  uint64_t nextSerial_ = 1;
  RestartPacer pacer_;
  std::chrono::milliseconds cycleStarted_{0};
  std::vector<bool> givenUp_;    // by list position: files that never gave sound
  bool restartPending_ = false;  // the command thread starts the current file after a pause

  std::mutex queueMutex_;
  std::deque<PlayerEvent> queue_;
  Semaphore commandSignal_{0};
  bool quit_ = false;  // under queueMutex_
  std::condition_variable quitSignal_;
  MusicThread commandThread_;
};

}  // namespace lizhi::music
