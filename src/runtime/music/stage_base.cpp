#include "runtime/music/stage_base.h"

namespace lizhi::music {

StageBase::~StageBase() {
  RequestQuit();
  Join();
}

void StageBase::Launch() {
  thread_ = MusicThread([this] { ThreadMain(); });
}

void StageBase::ThreadMain() {
  start_.acquire();
  if (!quitting()) Run();
}

void StageBase::Pause() { paused_.store(true); }

void StageBase::Resume() {
  paused_.store(false);
  resume_.release();
}

void StageBase::RequestQuit() {
  {
    std::lock_guard lock(mutex_);
    quit_.store(true);
  }
  quitSignal_.notify_all();
  start_.release();
  resume_.release();
  WakeWaits();
}

bool StageBase::WaitWhilePaused() {
  // A release left over from an earlier resume only makes the loop check again.
  while (paused_.load() && !quit_.load()) resume_.acquire();
  return !quit_.load();
}

bool StageBase::SleepUnlessQuit(std::chrono::milliseconds duration) {
  std::unique_lock lock(mutex_);
  return !quitSignal_.wait_for(lock, duration, [this] { return quit_.load(); });
}

void StageBase::Fail(int code) {
  failureCode_.store(code);
  PostToOwner(PlayerEvent::kStageFailed);
}

void StageBase::PostToOwner(int32_t eventCode) { owner_.Post(PlayerEvent{eventCode, pipelineSerial_}); }

}  // namespace lizhi::music
