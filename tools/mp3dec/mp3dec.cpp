// mp3dec [--frame-channels] INPUT OUTPUT
//                          decode a whole file to raw PCM (s16le, interleaved);
//                          prints "RATE CHANNELS FRAMES"; exit 1 when no frame decodes.
//                          --frame-channels: each frame keeps its own channel count
//                          (as the ISO reference output does) instead of the first's.
// mp3dec --bench N INPUT   decode the file N times in memory and print the speed
//                          (wall-clock and this process's CPU time).
// --scalar (first, before the others): the decoder's scalar code even where the
//                          processor has SSE2, to compare the two.
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/music/mpeg/buffer_decoder.h"
#include "runtime/music/mpeg/decoder.h"

namespace {

using lizhi::mpeg::BufferDecodeResult;
using lizhi::mpeg::DecodeBuffer;
using lizhi::mpeg::Decoder;

bool ReadFile(const char* path, std::vector<uint8_t>& out) {
  FILE* f = std::fopen(path, "rb");
  if (f == nullptr) return false;
  uint8_t block[65536];
  size_t n;
  while ((n = std::fread(block, 1, sizeof(block), f)) > 0) out.insert(out.end(), block, block + n);
  const bool ok = std::ferror(f) == 0;
  std::fclose(f);
  return ok;
}

void WriteToFile(void* context, const uint8_t* pcm, size_t bytes) {
  std::fwrite(pcm, 1, bytes, static_cast<FILE*>(context));
}

int Usage() {
  std::fprintf(stderr,
               "usage: mp3dec [--scalar] [--frame-channels] INPUT OUTPUT\n       mp3dec [--scalar] --bench N INPUT\n");
  return 2;
}

bool g_scalar = false;

int Decode(const char* input, const char* output, bool frameChannels) {
  std::vector<uint8_t> data;
  if (!ReadFile(input, data)) {
    std::fprintf(stderr, "mp3dec: cannot read %s\n", input);
    return 1;
  }
  FILE* out = std::fopen(output, "wb");
  if (out == nullptr) {
    std::fprintf(stderr, "mp3dec: cannot write %s\n", output);
    return 1;
  }
  static Decoder decoder;
  decoder.SetForceScalar(g_scalar);
  static uint8_t pcm[Decoder::kMaxPcmBytesPerFrame];
  lizhi::mpeg::BufferDecodeOptions options;
  options.followFrameChannels = frameChannels;
  const BufferDecodeResult r = DecodeBuffer(data.data(), data.size(), decoder, pcm, WriteToFile, out, options);
  const bool written = std::fclose(out) == 0;
  if (!r.found || r.frames == 0) {
    std::fprintf(stderr, "mp3dec: no MPEG audio frame decoded in %s\n", input);
    return 1;
  }
  if (!written) {
    std::fprintf(stderr, "mp3dec: cannot write %s\n", output);
    return 1;
  }
  std::printf("%d %d %zu\n", r.sampleRate, r.channels, r.frames);
  return 0;
}

// This process's CPU time in seconds (POSIX; mingw-w64's winpthreads has it too).
double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

int Bench(int runs, const char* input) {
  std::vector<uint8_t> data;
  if (!ReadFile(input, data)) {
    std::fprintf(stderr, "mp3dec: cannot read %s\n", input);
    return 1;
  }
  static Decoder decoder;
  decoder.SetForceScalar(g_scalar);
  static uint8_t pcm[Decoder::kMaxPcmBytesPerFrame];
  BufferDecodeResult r;
  const auto begin = std::chrono::steady_clock::now();
  const double cpuBegin = ProcessCpuSeconds();
  for (int i = 0; i < runs; ++i) r = DecodeBuffer(data.data(), data.size(), decoder, pcm, nullptr, nullptr);
  const double cpuSeconds = ProcessCpuSeconds() - cpuBegin;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  if (!r.found || r.frames == 0) {
    std::fprintf(stderr, "mp3dec: no MPEG audio frame decoded in %s\n", input);
    return 1;
  }
  const double audioSeconds = static_cast<double>(r.pcmBytes) / (2.0 * r.channels * static_cast<double>(r.sampleRate));
  std::printf("decoded %d x %.2f s of audio in %.3f s, CPU %.3f s: %.1f times real time (%s)\n", runs, audioSeconds,
              seconds, cpuSeconds, runs * audioSeconds / cpuSeconds, decoder.usesSse2() ? "SSE2" : "scalar");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--scalar") == 0) {
    g_scalar = true;
    --argc;
    ++argv;
  }
  if (argc == 4 && std::strcmp(argv[1], "--bench") == 0) {
    const int runs = std::atoi(argv[2]);
    if (runs <= 0) return Usage();
    return Bench(runs, argv[3]);
  }
  if (argc == 3) return Decode(argv[1], argv[2], false);
  if (argc == 4 && std::strcmp(argv[1], "--frame-channels") == 0) return Decode(argv[2], argv[3], true);
  return Usage();
}
