#include "runtime/music/mpeg/buffer_decoder.h"

#include "runtime/music/mpeg/stream_search.h"
#include "runtime/music/mpeg/tags.h"

namespace lizhi::mpeg {
namespace {

// sampleRate 0: any.
bool HeaderAt(const uint8_t* data, size_t size, size_t at, int sampleRate, FrameHeader& h) {
  return at + kFrameHeaderBytes <= size && ParseFrameHeader(data + at, size - at, h) &&
         (sampleRate == 0 || h.sampleRate == sampleRate);
}

bool StartsWith(const uint8_t* data, size_t size, size_t at, const char* text) {
  for (size_t i = 0; text[i] != 0; ++i) {
    if (at + i >= size || data[at + i] != static_cast<uint8_t>(text[i])) return false;
  }
  return true;
}

// A tag that may follow the last frame: ID3 v1 or v2, APE, Lyrics3.
bool TagAt(const uint8_t* data, size_t size, size_t at) {
  return StartsWith(data, size, at, "TAG") || StartsWith(data, size, at, "APETAGEX") ||
         StartsWith(data, size, at, "ID3") || StartsWith(data, size, at, "LYRICS");
}

}  // namespace

long FindNextFrame(const uint8_t* data, size_t size, size_t from, int sampleRate) {
  for (size_t at = from; at + kFrameHeaderBytes <= size; ++at) {
    if (data[at] != 0xFF || (data[at + 1] & 0xE0) != 0xE0) continue;
    FrameHeader h;
    if (!HeaderAt(data, size, at, sampleRate, h)) continue;
    const size_t next = at + static_cast<size_t>(h.frameBytes);
    FrameHeader following;
    if (next == size || TagAt(data, size, next) || HeaderAt(data, size, next, sampleRate, following)) {
      return static_cast<long>(at);
    }
  }
  return -1;
}

BufferDecodeResult DecodeBuffer(const uint8_t* data, size_t size, Decoder& decoder, uint8_t* pcmScratch, PcmSink sink,
                                void* context, const BufferDecodeOptions& decodeOptions) {
  BufferDecodeResult result;
  if (data == nullptr || pcmScratch == nullptr) return result;
  size_t begin = Id3v2SkipBytes(data, size);
  if (begin > size) begin = size;
  if (HasId3v1Tail(data, size) && size - kId3v1Bytes >= begin) size -= kId3v1Bytes;

  StreamSearchOptions options;
  options.allowLayer1 = true;
  options.matchChannelCountOnly = true;
  StreamStart start = FindStream(data + begin, size - begin, options);
  if (!start.found) {
    // Too short for three frames: one or two frames, maybe followed by a tag.
    const long at = FindNextFrame(data, size, begin, 0);
    if (at < 0 || !ParseFrameHeader(data + at, size - static_cast<size_t>(at), start.first)) return result;
    start.found = true;
    start.offset = static_cast<size_t>(at) - begin;
  }
  if (!decoder.Init(start.first)) return result;
  decoder.SetFollowFrameChannels(decodeOptions.followFrameChannels);
  result.found = true;
  result.sampleRate = decoder.sampleRate();
  result.channels = decoder.channels();

  size_t pos = begin + start.offset;
  while (pos + kFrameHeaderBytes <= size) {
    const Decoder::Result r = decoder.DecodeFrame(data + pos, size - pos, pcmScratch);
    if (r.bytesConsumed > 0) {
      if (sink != nullptr && r.pcmBytes > 0) sink(context, pcmScratch, r.pcmBytes);
      result.pcmBytes += r.pcmBytes;
      ++result.frames;
      pos += r.bytesConsumed;
      continue;
    }
    const long next = FindNextFrame(data, size, pos + 1, decoder.sampleRate());
    if (next < 0) break;
    pos = static_cast<size_t>(next);
    ++result.resyncs;
    // What the bit reservoir holds belongs to the frames before the damage.
    decoder.Reset();
  }
  return result;
}

}  // namespace lizhi::mpeg
