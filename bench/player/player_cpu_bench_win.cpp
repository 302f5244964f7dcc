// Prints what playing a file in the background costs under Wine: the player is
// made through its module ("CreatePlayer", "NewPlay") exactly as the program
// makes it, plays the file once through waveOut, and the CPU time of every
// thread but the idle main one is set against the length of the audio. The
// null sound device completes buffers faster than real time, so the run is
// shorter than the music while the work done is the same.
//   player_cpu_bench.exe file.mp3
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "runtime/music/lazy_module.h"
#include "runtime/music/mpeg/decoder.h"
#include "runtime/music/mpeg/stream_search.h"
#include "runtime/music/player_entries.h"

namespace {

using namespace lizhi;

double Seconds(const FILETIME& t) {
  ULARGE_INTEGER v;
  v.LowPart = t.dwLowDateTime;
  v.HighPart = t.dwHighDateTime;
  return static_cast<double>(v.QuadPart) / 1e7;
}

struct CpuTimes {
  double process = 0;  // every thread, ended ones included
  double mainThread = 0;
};

CpuTimes Now() {
  FILETIME created, ended, kernel, user;
  CpuTimes t;
  if (GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user))
    t.process = Seconds(kernel) + Seconds(user);
  if (GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user))
    t.mainThread = Seconds(kernel) + Seconds(user);
  return t;
}

double WallSeconds() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Decodes the file frame by frame on this thread: the length of its audio and
// what decoding alone costs, to set the player's figure against.
struct Decoded {
  double audioSeconds = 0;
  double cpuSeconds = 0;
  int channels = 0;
  int sampleRate = 0;
};

Decoded DecodeDirectly(const std::vector<uint8_t>& file) {
  Decoded out;
  const mpeg::StreamStart start = mpeg::FindStream(file.data(), file.size());
  auto decoder = std::make_unique<mpeg::Decoder>();
  if (!start.found || !decoder->Init(start.first)) return out;
  const double before = Now().mainThread;
  std::vector<uint8_t> pcm(mpeg::Decoder::kMaxPcmBytesPerFrame);
  uint64_t pcmBytes = 0;
  for (size_t at = start.offset; at < file.size();) {
    const mpeg::Decoder::Result r =
        decoder->DecodeFrame(file.data() + at, std::min(file.size() - at, mpeg::kSyncWindowBytes), pcm.data());
    if (r.bytesConsumed == 0) break;
    at += r.bytesConsumed;
    pcmBytes += r.pcmBytes;
  }
  out.cpuSeconds = Now().mainThread - before;
  out.channels = decoder->channels();
  out.sampleRate = decoder->sampleRate();
  out.audioSeconds = static_cast<double>(pcmBytes) / (2.0 * out.channels * out.sampleRate);
  return out;
}

template <class Fn>
Fn Entry(const music::LazyModule& module, const char* name) {
  return reinterpret_cast<Fn>(module.lookup(name));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: player_cpu_bench file.mp3\n");
    return 2;
  }
  const std::string path = argv[1];
  const std::vector<uint8_t> file = ReadFile(path);
  const Decoded direct = DecodeDirectly(file);
  if (direct.audioSeconds <= 0) {
    std::printf("no decodable stream in %s\n", path.c_str());
    return 1;
  }
  std::printf("file: %s (%zu bytes, %.1f s of audio, %d Hz, %d channels)\n", path.c_str(), file.size(),
              direct.audioSeconds, direct.sampleRate, direct.channels);
  std::printf("wave output devices: %u\n", waveOutGetNumDevs());

  const music::LazyModule& module = music::MusicPlayerModule();
  if (!module.init()) return 1;
  const auto create = Entry<music::CreatePlayerFn>(module, "CreatePlayer");
  const auto newPlay = Entry<music::NewPlayFn>(module, "NewPlay");
  const auto state = Entry<music::GetPlayStateFn>(module, "GetPlayState");
  const auto remove = Entry<music::RemovePlayerFn>(module, "RemovePlayer");
  if (!create || !newPlay || !state || !remove) return 1;

  const std::string names = path + '\0' + '\0';
  const CpuTimes before = Now();
  const double begin = WallSeconds();
  const uintptr_t player = create(names.c_str(), 1);
  newPlay(player, 0, nullptr, 0);
  // Coarse polling keeps the main thread idle; a file the device refuses
  // would end at once, a stuck one after ten minutes.
  while (state(player) != 0 && WallSeconds() - begin < 600) Sleep(100);
  const double wall = WallSeconds() - begin;
  remove(player);
  const CpuTimes after = Now();

  const double mainCpu = after.mainThread - before.mainThread;
  const double playerCpu = (after.process - before.process) - mainCpu;
  std::printf("played once in %.2f s wall (%.1f x real time)\n", wall, direct.audioSeconds / wall);
  std::printf("player and sound threads: %.3f s CPU = %.2f %% of one core in real-time playback\n", playerCpu,
              100.0 * playerCpu / direct.audioSeconds);
  std::printf("decoding alone, for comparison (main thread): %.3f s CPU = %.2f %% of one core\n", direct.cpuSeconds,
              100.0 * direct.cpuSeconds / direct.audioSeconds);
  std::printf("main thread while waiting: %.3f s CPU\n", mainCpu);
  return 0;
}
