// What every stage of a playback pipeline shares: its thread, the start and
// resume semaphores, the paused and quit flags, and the way back to the player.
#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "runtime/music/music_thread.h"
#include "runtime/music/player_event.h"
#include "runtime/music/semaphore.h"

namespace lizhi::music {

class StageBase {
 public:
  StageBase(EventSink& owner, uint64_t pipelineSerial) : owner_(owner), pipelineSerial_(pipelineSerial) {}
  virtual ~StageBase();
  StageBase(const StageBase&) = delete;
  StageBase& operator=(const StageBase&) = delete;

  // Creates the thread; it waits for Start before doing any work.
  void Launch();
  void Start() { start_.release(); }
  virtual void Pause();
  virtual void Resume();
  // Sets the quit flag and wakes every wait of the stage; Join then waits for
  // the thread. Splitting the two lets a pipeline wake all stages first.
  void RequestQuit();
  void Join() { thread_.Join(); }

  int failureCode() const { return failureCode_.load(); }
  bool paused() const { return paused_.load(); }

 protected:
  virtual void Run() = 0;
  // Wakes the stage's own waits (buffers it blocks on) when it must quit.
  virtual void WakeWaits() {}

  bool quitting() const { return quit_.load(); }
  // False when the stage must quit instead.
  bool WaitWhilePaused();
  // Sleeps unless the stage is told to quit first; false when it was.
  bool SleepUnlessQuit(std::chrono::milliseconds duration);
  // Records the failure and tells the player.
  void Fail(int code);
  void PostToOwner(int32_t eventCode);

  std::mutex mutex_;  // the stage's own state; never held across a wait on another lock

 private:
  void ThreadMain();

  EventSink& owner_;
  const uint64_t pipelineSerial_;
  Semaphore start_{0};
  Semaphore resume_{0};
  std::atomic<bool> paused_{false};
  std::atomic<bool> quit_{false};
  std::atomic<int> failureCode_{failure::kNone};
  std::condition_variable quitSignal_;
  MusicThread thread_;
};

}  // namespace lizhi::music
