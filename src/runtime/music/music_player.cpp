#include "runtime/music/music_player.h"

#include <cstring>

#include "runtime/music/progress_notify.h"

namespace lizhi::music {

MusicPlayer::MusicPlayer(const char* names, int32_t repeatCount)
    : names_(names), repeatCount_(repeatCount < 0 ? 0 : repeatCount) {
  if (!names_.empty()) commandThread_ = MusicThread([this] { CommandLoop(); });
}

MusicPlayer::~MusicPlayer() {
  {
    std::lock_guard lock(opMutex_);
    DestroyPipeline();
  }
  {
    std::lock_guard lock(queueMutex_);
    quit_ = true;
  }
  commandSignal_.release();
  commandThread_.Join();
}

void MusicPlayer::Start(uintptr_t notifyWindow, const char* contentKey, double startPercent) {
  std::lock_guard lock(opMutex_);
  if (state_ == State::Playing) DestroyPipeline();
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
    Handle(event);
  }
}

void MusicPlayer::Handle(const PlayerEvent& event) {
  if (event.code != PlayerEvent::kDone && event.code != PlayerEvent::kStageFailed) return;
  std::lock_guard lock(opMutex_);
  // An event of a pipeline that was stopped and replaced meanwhile.
  if (!pipeline_ || pipeline_->serial() != event.pipelineSerial) return;
  DestroyPipeline();
  if (notifyWindow_ != 0) PostProgress(notifyWindow_, 100);
  // Once the list has been used up, a later start plays just the one file.
  if (listUsedUp_) return;
  if (names_.Advance() && repeatCount_ > 0) {
    if (repeatCount_ == 1) {
      listUsedUp_ = true;
      return;
    }
    --repeatCount_;
  }
  StartCurrent(0);
}

}  // namespace lizhi::music
