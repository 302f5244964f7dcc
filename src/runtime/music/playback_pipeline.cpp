#include "runtime/music/playback_pipeline.h"

namespace lizhi::music {

PlaybackPipeline::PlaybackPipeline(EventSink& owner, uint64_t serial, uintptr_t progressWindow)
    : serial_(serial),
      input_(owner, serial),
      decoder_(owner, serial, input_, ring_, progressWindow),
      output_(owner, serial, ring_) {}

PlaybackPipeline::~PlaybackPipeline() {
  // Wake every stage before waiting for any: each may be blocked on another.
  input_.RequestQuit();
  decoder_.RequestQuit();
  output_.RequestQuit();
  input_.buffer().Abort();
  ring_.Abort();
  output_.ResetDevice();
  input_.Join();
  decoder_.Join();
  output_.Join();
  output_.CloseDevice();
}

int PlaybackPipeline::Open(const std::string& path, const std::string& contentKey) {
  const int result = input_.Open(path, contentKey);
  if (result != failure::kNone) return result;
  input_.Launch();
  decoder_.Launch();
  output_.Launch();
  launched_ = true;
  return failure::kNone;
}

void PlaybackPipeline::Start(double startPercent) {
  if (!launched_) return;
  decoder_.SetStartPercent(startPercent);
  input_.Start();
  decoder_.Start();
  output_.Start();
}

void PlaybackPipeline::Pause() {
  output_.Pause();
  decoder_.Pause();
  input_.Pause();
}

void PlaybackPipeline::Resume() {
  output_.Resume();
  decoder_.Resume();
  input_.Resume();
}

}  // namespace lizhi::music
