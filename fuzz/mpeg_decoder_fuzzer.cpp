// libFuzzer target for the MPEG audio decoder, the stream search and the tag
// helpers. Built by scripts/fuzz-smoke with clang++ and
// -fsanitize=fuzzer,address,undefined, compiling the decoder sources directly.
//
// The first input byte picks the path:
//   even: the bytes are a file, decoded the way mp3dec does it;
//   odd:  bytes 1-3 complete a frame header (sync forced), and the rest is cut
//         into frames of that header's length, so that damaged frame bodies
//         reach every layer's decoding without having to look like a stream.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "runtime/music/mpeg/buffer_decoder.h"
#include "runtime/music/mpeg/decoder.h"
#include "runtime/music/mpeg/frame_header.h"
#include "runtime/music/mpeg/stream_search.h"
#include "runtime/music/mpeg/tags.h"

namespace {

using namespace lizhi::mpeg;

Decoder g_decoder;
uint8_t g_pcm[Decoder::kMaxPcmBytesPerFrame];

void DecodeAsFile(const uint8_t* data, size_t size, bool followChannels) {
  (void)Id3v2SkipBytes(data, size);
  (void)HasId3v1Tail(data, size);
  (void)FindSync(data, size);
  StreamSearchOptions playerOptions;
  const StreamStart start = FindStream(data, size, playerOptions);
  if (start.found && start.xing.present && start.xing.hasToc) {
    volatile uint8_t sink = start.xing.toc[99];
    (void)sink;
  }
  BufferDecodeOptions options;
  options.followFrameChannels = followChannels;
  (void)DecodeBuffer(data, size, g_decoder, g_pcm, nullptr, nullptr, options);
}

void DecodeAsFrames(const uint8_t* data, size_t size) {
  if (size < 3) return;
  const uint8_t header[4] = {0xFF, static_cast<uint8_t>(0xE0 | (data[0] & 0x1F)), data[1], data[2]};
  FrameHeader h;
  if (!ParseFrameHeader(header, sizeof(header), h) || !g_decoder.Init(h)) return;
  data += 3;
  size -= 3;
  const size_t body = static_cast<size_t>(h.frameBytes) - sizeof(header);
  while (size > 0) {
    const size_t take = size < body ? size : body;
    // Each frame gets a heap block of exactly its size (a short last frame
    // exactly the bytes there are), so AddressSanitizer sees any read past it.
    const size_t frameBytes = sizeof(header) + take;
    const std::unique_ptr<uint8_t[]> frame(new uint8_t[frameBytes]);
    std::memcpy(frame.get(), header, sizeof(header));
    std::memcpy(frame.get() + sizeof(header), data, take);
    const Decoder::Result r = g_decoder.DecodeFrame(frame.get(), frameBytes, g_pcm);
    if (r.pcmBytes > Decoder::kMaxPcmBytesPerFrame) __builtin_trap();
    data += take;
    size -= take;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  if ((mode & 1) == 0) {
    DecodeAsFile(data + 1, size - 1, (mode & 2) != 0);
  } else {
    DecodeAsFrames(data + 1, size - 1);
  }
  return 0;
}
