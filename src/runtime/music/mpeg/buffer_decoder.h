// Decoding a whole MPEG audio file held in memory: the path of mp3dec and of
// the compliance tests. Skips leading ID3 v2 tags and a trailing ID3 v1 tag,
// finds the stream (layer I allowed; a file too short for the three-frame
// check may hold one or two frames followed by a tag), then decodes frame after frame; where a
// frame does not decode it resynchronises at the next frame of the same sample
// rate that is followed by another one.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/music/mpeg/decoder.h"

namespace lizhi::mpeg {

struct BufferDecodeResult {
  bool found = false;  // a stream was found and the decoder initialised
  int sampleRate = 0;
  int channels = 0;
  size_t frames = 0;    // frames decoded
  size_t pcmBytes = 0;  // PCM bytes handed to the sink
  size_t resyncs = 0;   // times the decoding lost and found the stream again
};

struct BufferDecodeOptions {
  bool followFrameChannels = false;  // see Decoder::SetFollowFrameChannels
};

// Receives each frame's PCM (interleaved int16 little-endian).
using PcmSink = void (*)(void* context, const uint8_t* pcm, size_t bytes);

// `decoder` and `pcmScratch` (Decoder::kMaxPcmBytesPerFrame bytes) are the
// caller's, so this allocates nothing. `sink` may be null.
BufferDecodeResult DecodeBuffer(const uint8_t* data, size_t size, Decoder& decoder, uint8_t* pcmScratch, PcmSink sink,
                                void* context, const BufferDecodeOptions& options = {});

// Offset of the next frame at or after `from` whose header is valid, has the
// given sample rate (0: any) and is followed by another such header, by a tag
// (ID3, APE, Lyrics3) or by the end of the data; -1 when there is none.
long FindNextFrame(const uint8_t* data, size_t size, size_t from, int sampleRate);

}  // namespace lizhi::mpeg
