// Middle stage: finds the MPEG audio stream in the input, decodes it frame by
// frame into the PCM ring, resynchronises over damage, and reports progress.
#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "runtime/music/file_input.h"
#include "runtime/music/mpeg/decoder.h"
#include "runtime/music/mpeg/frame_header.h"
#include "runtime/music/mpeg/stream_search.h"
#include "runtime/music/pcm_format.h"
#include "runtime/music/pcm_ring.h"
#include "runtime/music/stage_base.h"

namespace lizhi::music {

class FrameDecoder final : public StageBase {
 public:
  FrameDecoder(EventSink& owner, uint64_t pipelineSerial, FileInput& input, PcmRing& ring, uintptr_t progressWindow);
  ~FrameDecoder() override;

  // Before Start: begin at `percent` of the file instead of its start.
  void SetStartPercent(double percent) { startPercent_ = percent; }
  // True once a frame of sound has gone into the ring.
  bool producedSound() const { return producedSound_.load(); }

 protected:
  void Run() override;

 private:
  bool OpenStream();
  void DecodeFrames();
  mpeg::Decoder::Result DecodeWindow(size_t windowBytes, uint8_t* pcm);
  void Resync(size_t windowBytes);
  void ReportProgress();

  FileInput& input_;
  PcmRing& ring_;
  const uintptr_t progressWindow_;
  double startPercent_ = 0;
  mpeg::Decoder decoder_;
  mpeg::FrameHeader stream_{};
  uint64_t totalFrames_ = 0;
  uint64_t frameCounter_ = 0;
  int lastPercent_ = -1;
  std::atomic<bool> producedSound_{false};
  std::array<uint8_t, mpeg::kSyncWindowBytes> window_{};
};

}  // namespace lizhi::music
