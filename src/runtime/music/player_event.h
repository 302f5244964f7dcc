// What the stages of a playback pipeline tell their player, and how.
#pragma once
#include <cstdint>

namespace lizhi::music {

struct PlayerEvent {
  static constexpr int32_t kDone = 12;         // the pipeline played its file to the end
  static constexpr int32_t kStageFailed = 77;  // a stage gave up (no stream, decoder, I/O)

  int32_t code = 0;
  // Which pipeline sent it. A pipeline that was replaced may still have an event
  // in the queue; the player ignores events of pipelines that are gone.
  uint64_t pipelineSerial = 0;
};

// Receives events from stage threads. Post must never block on anything the
// receiver holds while it stops a pipeline.
class EventSink {
 public:
  virtual void Post(const PlayerEvent& event) = 0;

 protected:
  ~EventSink() = default;
};

// Why a stage or a start failed. The file codes follow the C library's errno
// classes; the stream codes belong to the frame decoder.
namespace failure {
inline constexpr int kNone = 0;
inline constexpr int kOther = 1;
inline constexpr int kAccessDenied = 9;
inline constexpr int kInvalidArgument = 11;
inline constexpr int kFileNotFound = 12;
inline constexpr int kTooManyOpenFiles = 13;
inline constexpr int kNoStream = 1001;        // no three agreeing frames in 32 tries
inline constexpr int kDecoderRefused = 1002;  // the decoder cannot start on the stream
}  // namespace failure

}  // namespace lizhi::music
