// Last stage: plays the PCM ring through the wave device. Wave headers point
// straight into the ring; a block goes back to the ring only when the device
// has finished with it, strictly in the order the blocks were written.
#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "runtime/music/pcm_ring.h"
#include "runtime/music/stage_base.h"
#include "runtime/music/wave_device.h"

namespace lizhi::music {

class WaveOutput final : public StageBase {
 public:
  WaveOutput(EventSink& owner, uint64_t pipelineSerial, PcmRing& ring);
  ~WaveOutput() override;

  void Pause() override;
  void Resume() override;
  // Silences the device at once (the pipeline is going away).
  void ResetDevice();
  // Resets, gives back the completed headers and closes the device. Only
  // after the stage's thread has ended.
  void CloseDevice();

  // Headers the open device has (0 before the format arrived).
  size_t headerCount() const { return sequence_.size(); }

 protected:
  void Run() override;

 private:
  static void OnHeaderDone(void* context, size_t header);

  void OpenDevice(const PcmFormat& format);
  bool PlayBlock(const PcmRing::Item& item);
  bool DropInTime(const PcmRing::Item& item);
  std::optional<size_t> TakeFreeHeader();
  void RecycleCompleted();
  bool WaitUntilAllCompleted();

  PcmRing& ring_;
  std::unique_ptr<WaveDevice> device_;
  std::mutex deviceMutex_;     // one device call at a time; the done callback never takes it
  bool deviceOpen_ = false;    // under deviceMutex_
  bool devicePaused_ = false;  // under deviceMutex_
  PcmFormat format_;
  // Per header, under mutex_: 0 free, n > 0 the n-th block written, -n once
  // the device has finished with it.
  std::vector<int64_t> sequence_;
  // The output thread's own bookkeeping.
  std::vector<size_t> freeHeaders_;
  std::deque<size_t> written_;  // in write order
  int64_t nextSequence_ = 1;
  int64_t expectedSequence_ = 1;
  std::chrono::steady_clock::time_point silentClock_{};
};

}  // namespace lizhi::music
