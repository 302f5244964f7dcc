// Runs a file through the player's own first two stages, FileInput and
// FrameDecoder, and reads the PCM ring on the calling thread in place of the
// wave output: what a device would be given, and whether the stage failed.
#pragma once
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "runtime/music/file_input.h"
#include "runtime/music/frame_decoder.h"
#include "runtime/music/pcm_ring.h"
#include "runtime/music/player_event.h"

namespace lizhi::music::test {

struct StageOutput {
  bool opened = false;     // the file could be opened
  bool formatSet = false;  // a format marker came first
  PcmFormat format{};
  std::vector<uint8_t> pcm;
  size_t blocks = 0;
  size_t oddBlocks = 0;  // PCM blocks of another size than the format's frame
  bool ended = false;    // the end marker came
  bool failed = false;   // the decoder posted a failure
  bool timedOut = false;
};

class EventRecorder final : public EventSink {
 public:
  void Post(const PlayerEvent& event) override {
    std::lock_guard lock(mutex_);
    if (event.code == PlayerEvent::kStageFailed) failed_ = true;
  }
  bool failed() const {
    std::lock_guard lock(mutex_);
    return failed_;
  }

 private:
  mutable std::mutex mutex_;
  bool failed_ = false;
};

// `keepPcm` false keeps only the counts (long runs of damaged streams).
inline StageOutput DecodeThroughStages(const std::string& path, bool keepPcm = true,
                                       std::chrono::seconds limit = std::chrono::seconds(30)) {
  StageOutput out;
  EventRecorder events;
  PcmRing ring;
  FileInput input(events, 1);
  if (input.Open(path, "") != failure::kNone) return out;
  out.opened = true;
  FrameDecoder decoder(events, 1, input, ring, 0);
  input.Launch();
  decoder.Launch();
  input.Start();
  decoder.Start();

  const auto deadline = std::chrono::steady_clock::now() + limit;
  for (;;) {
    PcmRing::Item item;
    const PcmRing::TakeResult taken = ring.TakeFor(item, std::chrono::milliseconds(20));
    if (taken == PcmRing::TakeResult::Aborted) break;
    if (taken == PcmRing::TakeResult::TimedOut) {
      if (events.failed()) break;
      if (std::chrono::steady_clock::now() > deadline) {
        out.timedOut = true;
        break;
      }
      continue;
    }
    if (item.kind == PcmRing::Item::Kind::End) {
      out.ended = true;
      break;
    }
    if (item.kind == PcmRing::Item::Kind::Format) {
      out.formatSet = out.blocks == 0;
      out.format = item.format;
      continue;
    }
    ++out.blocks;
    if (item.bytes != out.format.framePcmBytes) ++out.oddBlocks;
    if (keepPcm) out.pcm.insert(out.pcm.end(), item.data, item.data + item.bytes);
    ring.ReleaseOldest();
  }
  out.failed = events.failed();
  decoder.RequestQuit();
  input.RequestQuit();
  ring.Abort();
  decoder.Join();
  input.Join();
  return out;
}

}  // namespace lizhi::music::test
