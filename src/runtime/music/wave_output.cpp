#include "runtime/music/wave_output.h"

namespace lizhi::music {
namespace {

constexpr std::chrono::milliseconds kHeaderPoll{10};

}  // namespace

WaveOutput::WaveOutput(EventSink& owner, uint64_t pipelineSerial, PcmRing& ring)
    : StageBase(owner, pipelineSerial), ring_(ring), device_(CreateWaveDevice()) {}

WaveOutput::~WaveOutput() {
  RequestQuit();
  Join();
  CloseDevice();
}

void WaveOutput::Pause() {
  StageBase::Pause();
  std::lock_guard lock(deviceMutex_);
  if (deviceOpen_ && !devicePaused_) {
    device_->Pause();
    devicePaused_ = true;
  }
}

void WaveOutput::Resume() {
  {
    std::lock_guard lock(deviceMutex_);
    if (deviceOpen_ && devicePaused_) {
      device_->Restart();
      devicePaused_ = false;
    }
  }
  StageBase::Resume();
}

void WaveOutput::ResetDevice() {
  std::lock_guard lock(deviceMutex_);
  if (deviceOpen_) device_->Reset();
}

void WaveOutput::CloseDevice() {
  std::lock_guard lock(deviceMutex_);
  if (!deviceOpen_) return;
  device_->Reset();
  for (size_t header : written_) {
    bool completed;
    {
      std::lock_guard stateLock(mutex_);
      completed = sequence_[header] < 0;
    }
    if (completed) device_->Unprepare(header);
  }
  device_->Close();
  deviceOpen_ = false;
}

void WaveOutput::OnHeaderDone(void* context, size_t header) {
  auto* self = static_cast<WaveOutput*>(context);
  std::lock_guard lock(self->mutex_);
  if (header < self->sequence_.size() && self->sequence_[header] > 0) {
    self->sequence_[header] = -self->sequence_[header];
  }
}

void WaveOutput::Run() {
  while (!quitting()) {
    if (!WaitWhilePaused()) return;
    PcmRing::Item item;
    const PcmRing::TakeResult taken = ring_.TakeFor(item, kHeaderPoll);
    if (taken == PcmRing::TakeResult::Aborted) return;
    if (taken == PcmRing::TakeResult::TimedOut) {
      // Blocks the device has finished with go back to the ring even while
      // nothing new comes: the decoder may be waiting for exactly that space.
      RecycleCompleted();
      continue;
    }
    switch (item.kind) {
      case PcmRing::Item::Kind::Format:
        OpenDevice(item.format);
        break;
      case PcmRing::Item::Kind::Pcm:
        if (!(deviceOpen_ ? PlayBlock(item) : DropInTime(item))) return;
        break;
      case PcmRing::Item::Kind::End:
        if (WaitUntilAllCompleted()) PostToOwner(PlayerEvent::kDone);
        return;
    }
  }
}

void WaveOutput::OpenDevice(const PcmFormat& format) {
  format_ = format;
  silentClock_ = std::chrono::steady_clock::now();
  const size_t headers = format.framePcmBytes == 0 ? 1 : WaveHeaderCount(format.framePcmBytes);
  {
    std::lock_guard lock(mutex_);
    sequence_.assign(headers, 0);
  }
  freeHeaders_.clear();
  for (size_t h = headers; h > 0; --h) freeHeaders_.push_back(h - 1);
  std::lock_guard lock(deviceMutex_);
  deviceOpen_ = device_->Open(format, headers, &WaveOutput::OnHeaderDone, this);
  // A pause that came while the format was on its way still holds.
  if (deviceOpen_ && paused() && !devicePaused_) {
    device_->Pause();
    devicePaused_ = true;
  }
}

bool WaveOutput::PlayBlock(const PcmRing::Item& item) {
  const std::optional<size_t> header = TakeFreeHeader();
  if (!header) return false;
  {
    std::lock_guard lock(mutex_);
    sequence_[*header] = nextSequence_++;
  }
  written_.push_back(*header);
  bool queued;
  {
    std::lock_guard lock(deviceMutex_);
    queued = device_->Write(*header, item.data, item.bytes);
  }
  if (!queued) {
    // Never reached the device: it counts as played, so the block comes back.
    std::lock_guard lock(mutex_);
    sequence_[*header] = -sequence_[*header];
  }
  return true;
}

// Without a device a file still takes as long as it would play, so a list
// repeated without end does not spin.
bool WaveOutput::DropInTime(const PcmRing::Item& item) {
  const int bytesPerSecond = format_.bytesPerSecond();
  if (bytesPerSecond > 0) {
    silentClock_ += std::chrono::microseconds(static_cast<int64_t>(item.bytes) * 1000000 / bytesPerSecond);
    const auto wait =
        std::chrono::duration_cast<std::chrono::milliseconds>(silentClock_ - std::chrono::steady_clock::now());
    if (wait.count() > 0 && !SleepUnlessQuit(wait)) return false;
  }
  ring_.ReleaseOldest();
  return true;
}

std::optional<size_t> WaveOutput::TakeFreeHeader() {
  for (;;) {
    RecycleCompleted();
    if (!freeHeaders_.empty()) {
      const size_t header = freeHeaders_.back();
      freeHeaders_.pop_back();
      return header;
    }
    if (!SleepUnlessQuit(kHeaderPoll)) return std::nullopt;
  }
}

void WaveOutput::RecycleCompleted() {
  while (!written_.empty()) {
    const size_t header = written_.front();
    {
      std::lock_guard lock(mutex_);
      if (sequence_[header] != -expectedSequence_) return;
      sequence_[header] = 0;
    }
    {
      std::lock_guard lock(deviceMutex_);
      device_->Unprepare(header);
    }
    ring_.ReleaseOldest();
    written_.pop_front();
    freeHeaders_.push_back(header);
    ++expectedSequence_;
  }
}

bool WaveOutput::WaitUntilAllCompleted() {
  for (;;) {
    RecycleCompleted();
    if (written_.empty()) return true;
    if (!SleepUnlessQuit(kHeaderPoll)) return false;
  }
}

}  // namespace lizhi::music
