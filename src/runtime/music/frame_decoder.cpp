#include "runtime/music/frame_decoder.h"

#include <algorithm>
#include <vector>

#include "runtime/music/progress_notify.h"
#include "runtime/music/start_position.h"

namespace lizhi::music {
namespace {

// Frames that belong to the stream found at the start. Anything else after a
// resync is a false sync in damaged data, and its PCM would not fit the format
// the device was opened with.
bool SameStream(const mpeg::FrameHeader& a, const mpeg::FrameHeader& b) {
  return a.version == b.version && a.layer == b.layer && a.sampleRate == b.sampleRate;
}

}  // namespace

FrameDecoder::FrameDecoder(EventSink& owner, uint64_t pipelineSerial, FileInput& input, PcmRing& ring,
                           uintptr_t progressWindow)
    : StageBase(owner, pipelineSerial), input_(input), ring_(ring), progressWindow_(progressWindow) {}

FrameDecoder::~FrameDecoder() {
  RequestQuit();
  Join();
}

void FrameDecoder::Run() {
  if (OpenStream()) DecodeFrames();
}

bool FrameDecoder::OpenStream() {
  InputBuffer& input = input_.buffer();
  std::vector<uint8_t> head(InputBuffer::kBytes);
  const size_t got = input.Peek(head.data(), head.size());
  if (quitting() || input.aborted()) return false;
  const mpeg::StreamStart start = mpeg::FindStream(head.data(), got);
  if (!start.found) {
    Fail(failure::kNoStream);
    return false;
  }
  input.Drop(start.offset);
  if (!decoder_.Init(start.first)) {
    Fail(failure::kDecoderRefused);
    return false;
  }
  stream_ = start.first;

  PcmFormat format;
  format.channels = decoder_.channels();
  format.sampleRate = decoder_.sampleRate();
  format.bitsPerSample = decoder_.bitsPerSample();
  format.samplesPerFrame = stream_.samplesPerFrame();
  format.framePcmBytes =
      static_cast<size_t>(format.channels) * (format.bitsPerSample / 8) * static_cast<size_t>(format.samplesPerFrame);
  if (format.framePcmBytes == 0 || format.framePcmBytes > mpeg::Decoder::kMaxPcmBytesPerFrame) {
    Fail(failure::kDecoderRefused);
    return false;
  }
  ring_.Configure(PcmRingBytes(format.framePcmBytes));
  ring_.PutFormat(format);

  const uint64_t streamAt = input_.dataStart() + start.offset;
  const uint64_t audioBytes = input_.length() > streamAt ? input_.length() - streamAt : 0;
  const bool xingCount = start.xing.present && (start.xing.flags & 1) != 0;
  totalFrames_ = xingCount ? start.xing.frameCount : audioBytes / static_cast<uint64_t>(stream_.frameBytes);
  if (startPercent_ > 0) {
    const uint64_t offset = StartByteOffset(startPercent_, start.xing, stream_.frameBytes, audioBytes);
    frameCounter_ = static_cast<uint64_t>(static_cast<double>(totalFrames_) * std::min(startPercent_, 100.0) / 100.0);
    input.SeekTo(streamAt + offset);
    // What the bit reservoir would hold belongs to frames that are skipped.
    decoder_.Reset();
  }
  return true;
}

void FrameDecoder::DecodeFrames() {
  InputBuffer& input = input_.buffer();
  while (!quitting()) {
    ReportProgress();
    if (!WaitWhilePaused()) return;
    // The decoder may write up to a whole MPEG-1 stereo frame, whatever the stream.
    uint8_t* pcm = ring_.Reserve(mpeg::Decoder::kMaxPcmBytesPerFrame);
    if (pcm == nullptr) return;
    const size_t windowBytes = input.Peek(window_.data(), window_.size());
    if (windowBytes == 0) {
      ring_.Commit(0);
      if (!input.aborted()) ring_.PutEnd();
      return;
    }
    const mpeg::Decoder::Result result = DecodeWindow(windowBytes, pcm);
    if (result.bytesConsumed == 0) {
      ring_.Commit(0);
      Resync(windowBytes);
      continue;
    }
    input.Drop(result.bytesConsumed);
    ring_.Commit(result.pcmBytes);
    if (result.pcmBytes > 0) producedSound_.store(true);
    ++frameCounter_;
  }
}

mpeg::Decoder::Result FrameDecoder::DecodeWindow(size_t windowBytes, uint8_t* pcm) {
  mpeg::FrameHeader header;
  if (!mpeg::ParseFrameHeader(window_.data(), windowBytes, header) || !SameStream(stream_, header)) {
    return {0, 0};
  }
  const mpeg::Decoder::Result result = decoder_.DecodeFrame(window_.data(), windowBytes, pcm);
  if (result.pcmBytes > mpeg::Decoder::kMaxPcmBytesPerFrame) return {0, 0};
  return result;
}

// Drops bytes up to the next sync after the current position (at least one
// byte, so damaged data always gets used up) and forgets the decoder's history:
// the bit reservoir and filters hold the frames before the damage. The format
// stays the stream's: a single header found in damaged data never changes it.
void FrameDecoder::Resync(size_t windowBytes) {
  InputBuffer& input = input_.buffer();
  const long sync = windowBytes > 1 ? mpeg::FindSync(window_.data() + 1, windowBytes - 1) : -1;
  if (sync >= 0) {
    input.Drop(static_cast<size_t>(sync) + 1);
  } else {
    // Keep the last byte: it may be the first half of a sync.
    input.Drop(windowBytes > 1 ? windowBytes - 1 : 1);
  }
  decoder_.Reset();
}

void FrameDecoder::ReportProgress() {
  if (progressWindow_ == 0) return;
  const uint64_t percent = totalFrames_ == 0 ? 0 : frameCounter_ * 100 / totalFrames_;
  const int clamped = static_cast<int>(std::min<uint64_t>(percent, 99));
  if (clamped == lastPercent_) return;
  lastPercent_ = clamped;
  PostProgress(progressWindow_, clamped);
}

}  // namespace lizhi::music
