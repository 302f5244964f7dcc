#include "runtime/music/music_player.h"

#include <cstring>

#include "runtime/music/pacing_clock.h"
#include "runtime/music/progress_notify.h"

namespace lizhi::music {

MusicPlayer::MusicPlayer(const char* names, int32_t repeatCount)
    : names_(names), repeatCount_(repeatCount < 0 ? 0 : repeatCount), givenUp_(names_.size(), false) {
  if (!names_.empty()) commandThread_ = MusicThread([this] { CommandLoop(); });
}

MusicPlayer::~MusicPlayer() {
  {
    std::lock_guard lock(opMutex_);
    DestroyPipeline();
    // The command thread must not start a file after this.
    restartPending_ = false;
  }
  {
    std::lock_guard lock(queueMutex_);
    quit_ = true;
  }
  quitSignal_.notify_all();
  commandSignal_.release();
  commandThread_.Join();
}

void MusicPlayer::Start(uintptr_t notifyWindow, const char* contentKey, double startPercent) {
  std::lock_guard lock(opMutex_);
  // Playing includes waiting for a paced restart; either way it stops here.
  if (state_ == State::Playing) DestroyPipeline();
  // A start from the caller gives every file a fresh chance.
  restartPending_ = false;
  pacer_.Reset();
  givenUp_.assign(names_.size(), false);
  const size_t keyBytes = contentKey == nullptr ? 0 : std::strlen(contentKey);
  if (keyBytes > kMaxContentKeyBytes || names_.current().empty()) {
    notifyWindow_ = 0;
    contentKey_.clear();
    return;
  }
  notifyWindow_ = notifyWindow;
  contentKey_.assign(contentKey == nullptr ? "" : contentKey, keyBytes);
  StartCurrent(startPercent);
}

void MusicPlayer::Play() {
  std::string key;
  {
    std::lock_guard lock(opMutex_);
    key = contentKey_;
  }
  Start(0, key.c_str(), 0);
}

void MusicPlayer::SetPaused(bool pause) {
  std::lock_guard lock(opMutex_);
  if (!pipeline_) return;
  if (pause && state_ == State::Playing) {
    pipeline_->Pause();
    state_ = State::Paused;
  } else if (!pause && state_ == State::Paused) {
    pipeline_->Resume();
    state_ = State::Playing;
  }
}

MusicPlayer::State MusicPlayer::state() const {
  std::lock_guard lock(opMutex_);
  return state_;
}

void MusicPlayer::Post(const PlayerEvent& event) {
  {
    std::lock_guard lock(queueMutex_);
    queue_.push_back(event);
  }
  commandSignal_.release();
}

void MusicPlayer::StartCurrent(double startPercent) {
  if (pipeline_) {
    // Paused: the pipeline it kept goes on.
    pipeline_->Resume();
    state_ = State::Playing;
    return;
  }
  auto pipeline = std::make_unique<PlaybackPipeline>(*this, nextSerial_++, notifyWindow_);
  if (pipeline->Open(names_.current(), contentKey_) != failure::kNone) {
    // Nothing plays and the list stays where it is.
    state_ = State::Stopped;
    return;
  }
  pipeline_ = std::move(pipeline);
  cycleStarted_ = CurrentPacingClock().Now();
  pipeline_->Start(startPercent);
  state_ = State::Playing;
}

void MusicPlayer::DestroyPipeline() {
  pipeline_.reset();
  state_ = State::Stopped;
}

void MusicPlayer::CommandLoop() {
  for (;;) {
    commandSignal_.acquire();
    PlayerEvent event;
    {
      std::lock_guard lock(queueMutex_);
      if (quit_) return;
      if (queue_.empty()) continue;
      event = queue_.front();
      queue_.pop_front();
    }
    const std::optional<std::chrono::milliseconds> pause = Handle(event);
    if (!pause) continue;
    if (!WaitOut(*pause)) return;
    RestartIfPending();
  }
}

std::optional<std::chrono::milliseconds> MusicPlayer::Handle(const PlayerEvent& event) {
  if (event.code != PlayerEvent::kDone && event.code != PlayerEvent::kStageFailed) return std::nullopt;
  std::lock_guard lock(opMutex_);
  // An event of a pipeline that was stopped and replaced meanwhile.
  if (!pipeline_ || pipeline_->serial() != event.pipelineSerial) return std::nullopt;
  const bool producedSound = pipeline_->producedSound();
  DestroyPipeline();
  if (notifyWindow_ != 0) PostProgress(notifyWindow_, 100);
  // Once the list has been used up, a later start plays just the one file.
  if (listUsedUp_) return std::nullopt;
  const RestartPacer::Decision next = pacer_.OnEnd(cycleStarted_, CurrentPacingClock().Now(), producedSound);
  if (next.action == RestartPacer::Action::GiveUp) givenUp_[names_.currentIndex()] = true;
  if (next.action != RestartPacer::Action::Retry && !AdvanceToPlayable()) return std::nullopt;
  // Still playing the list as far as the caller can tell.
  restartPending_ = true;
  state_ = State::Playing;
  return next.pause;
}

bool MusicPlayer::AdvanceToPlayable() {
  for (size_t step = 0; step < names_.size(); ++step) {
    if (names_.Advance() && repeatCount_ > 0) {
      if (repeatCount_ == 1) {
        listUsedUp_ = true;
        return false;
      }
      --repeatCount_;
    }
    if (!givenUp_[names_.currentIndex()]) return true;
  }
  return false;
}

bool MusicPlayer::WaitOut(std::chrono::milliseconds pause) {
  const std::chrono::milliseconds wait = pause.count() > 0 ? CurrentPacingClock().Wait(pause) : pause;
  std::unique_lock lock(queueMutex_);
  quitSignal_.wait_for(lock, wait, [this] { return quit_; });
  return !quit_;
}

void MusicPlayer::RestartIfPending() {
  std::lock_guard lock(opMutex_);
  // A start from the caller during the pause has taken over.
  if (!restartPending_ || pipeline_) return;
  restartPending_ = false;
  state_ = State::Stopped;
  StartCurrent(0);
}

}  // namespace lizhi::music
