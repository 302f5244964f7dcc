// One file being played: FileInput -> FrameDecoder -> WaveOutput, each stage
// on its own thread, joined by the input buffer and the PCM ring.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/music/file_input.h"
#include "runtime/music/frame_decoder.h"
#include "runtime/music/pcm_ring.h"
#include "runtime/music/player_event.h"
#include "runtime/music/wave_output.h"

namespace lizhi::music {

class PlaybackPipeline {
 public:
  // Stage events reach `owner` tagged with `serial`.
  PlaybackPipeline(EventSink& owner, uint64_t serial, uintptr_t progressWindow);
  // Stops at once: the device is reset, every stage thread has ended when
  // this returns, the device is closed and the file too.
  ~PlaybackPipeline();
  PlaybackPipeline(const PlaybackPipeline&) = delete;
  PlaybackPipeline& operator=(const PlaybackPipeline&) = delete;

  // Opens the file and readies the stage threads. 0, or the file's failure code.
  int Open(const std::string& path, const std::string& contentKey);
  // Starts the stages; the decoder begins at `startPercent` of the file.
  void Start(double startPercent);
  void Pause();
  void Resume();
  bool paused() const { return output_.paused(); }

  uint64_t serial() const { return serial_; }
  // Why the stream could not be played (0 while nothing failed).
  int decoderFailure() const { return decoder_.failureCode(); }
  // Whether any frame of the file gave sound.
  bool producedSound() const { return decoder_.producedSound(); }

 private:
  const uint64_t serial_;
  PcmRing ring_;
  FileInput input_;
  FrameDecoder decoder_;
  WaveOutput output_;
  bool launched_ = false;
};

}  // namespace lizhi::music
