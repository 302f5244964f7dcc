// Prints how fast the player's pipeline moves a file compared with decoding
// it frame by frame, how much CPU playing in real time takes, and what an
// unplayable file (bytes without a frame sync) costs with endless repeat: its
// play cycles and CPU over a stretch of real time.
//   player_bench [file.mp3] [seconds of real-time play] [seconds with the unplayable file]
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "runtime/music/mpeg/decoder.h"
#include "runtime/music/mpeg/stream_search.h"
#include "runtime/music/music_thread.h"
#include "runtime/music/pacing_clock.h"
#include "runtime/music/player_entries.h"
#include "runtime/music/progress_notify.h"
#include "runtime/music/wave_device.h"

namespace {

using namespace lizhi;
using Clock = std::chrono::steady_clock;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// A device that completes each buffer at once (paced = false) or after the
// time it takes to play (paced = true), in order, on its own thread.
class BenchDevice final : public music::WaveDevice {
 public:
  BenchDevice(bool paced, std::atomic<uint64_t>& pcmBytes) : paced_(paced), pcmBytes_(pcmBytes) {}
  ~BenchDevice() override { Stop(); }

  bool Open(const music::PcmFormat& format, size_t, DoneCallback done, void* context) override {
    bytesPerSecond_ = format.bytesPerSecond();
    done_ = done;
    context_ = context;
    clock_ = Clock::now();
    worker_ = std::thread([this] { Work(); });
    return true;
  }
  bool Write(size_t header, const uint8_t*, size_t bytes) override {
    pcmBytes_ += bytes;
    {
      std::lock_guard lock(mutex_);
      queue_.push_back({header, bytes});
    }
    wake_.notify_one();
    return true;
  }
  void Unprepare(size_t) override {}
  void Pause() override {}
  void Restart() override {}
  void Reset() override {
    std::deque<Buffer> flushed;
    {
      std::lock_guard lock(mutex_);
      flushed.swap(queue_);
    }
    for (const Buffer& b : flushed) done_(context_, b.header);
  }
  void Close() override { Stop(); }

 private:
  struct Buffer {
    size_t header;
    size_t bytes;
  };

  void Work() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
      if (queue_.empty()) {
        wake_.wait(lock);
        continue;
      }
      const Buffer b = queue_.front();
      if (paced_) {
        clock_ = std::max(clock_, Clock::now() - std::chrono::milliseconds(50));
        clock_ += std::chrono::microseconds(static_cast<int64_t>(b.bytes) * 1000000 / bytesPerSecond_);
        if (wake_.wait_until(lock, clock_, [this] { return stop_; })) break;
      }
      if (queue_.empty() || queue_.front().header != b.header) continue;  // reset meanwhile
      queue_.pop_front();
      lock.unlock();
      done_(context_, b.header);
      lock.lock();
    }
  }
  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable()) worker_.join();
  }

  const bool paced_;
  std::atomic<uint64_t>& pcmBytes_;
  int bytesPerSecond_ = 1;
  DoneCallback done_ = nullptr;
  void* context_ = nullptr;
  Clock::time_point clock_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<Buffer> queue_;
  bool stop_ = false;
  std::thread worker_;
};

// The steady clock without the pauses between plays, so that the unpaced
// runs measure the pipeline alone.
class NoPauses final : public music::PacingClock {
 public:
  std::chrono::milliseconds Now() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch());
  }
  std::chrono::milliseconds Wait(std::chrono::milliseconds) override { return std::chrono::milliseconds{0}; }
};

// An unplayable file repeated without end, in real time: play cycles ended
// (progress 100 to a notify window) and CPU per slice of `seconds`.
void PlayUnplayable(double seconds) {
  const std::string path = "/tmp/lizhi_player_bench_garbage.mp3";
  {
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 200000; ++i) out.put(static_cast<char>((i * 37 + 11) % 251));
  }
  std::atomic<int> ended{0};
  music::SetProgressPoster([&](uintptr_t, int percent) { ended += percent == 100 ? 1 : 0; });
  const std::string names = path + '\0' + '\0';
  const double cpuBefore = CpuSeconds();
  const auto begin = Clock::now();
  const uintptr_t player = music::CreatePlayer(names.c_str(), 0);
  music::NewPlay(player, 1, nullptr, 0);
  std::string cycles;
  for (int second = 1; second <= static_cast<int>(seconds); ++second) {
    std::this_thread::sleep_until(begin + std::chrono::seconds(second));
    cycles += " " + std::to_string(ended.load());
  }
  const double cpu = CpuSeconds() - cpuBefore;
  const int state = music::GetPlayState(player);
  music::RemovePlayer(player);
  music::SetProgressPoster(nullptr);
  std::remove(path.c_str());
  std::printf("unplayable file, endless repeat, %.0f s: cycles ended by each second:%s\n", seconds, cycles.c_str());
  std::printf("  %.3f s CPU = %.3f %% of one core; player %s at the end\n", cpu, 100.0 * cpu / seconds,
              state == 0 ? "stopped (gave up)" : "still playing");
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct Decoded {
  uint64_t pcmBytes = 0;
  int bytesPerSecond = 0;
};

Decoded DecodeDirectly(const std::vector<uint8_t>& file) {
  Decoded out;
  const mpeg::StreamStart start = mpeg::FindStream(file.data(), file.size());
  if (!start.found) return out;
  auto decoder = std::make_unique<mpeg::Decoder>();
  if (!decoder->Init(start.first)) return out;
  out.bytesPerSecond = decoder->channels() * 2 * decoder->sampleRate();
  std::vector<uint8_t> pcm(mpeg::Decoder::kMaxPcmBytesPerFrame);
  for (size_t at = start.offset; at < file.size();) {
    const mpeg::Decoder::Result r =
        decoder->DecodeFrame(file.data() + at, std::min(file.size() - at, mpeg::kSyncWindowBytes), pcm.data());
    if (r.bytesConsumed == 0) break;
    at += r.bytesConsumed;
    out.pcmBytes += r.pcmBytes;
  }
  return out;
}

// Plays `plays` times through the pipeline; returns wall seconds.
double PlayThrough(const std::string& path, int plays, bool paced, double stopAfterSeconds,
                   std::atomic<uint64_t>& pcmBytes) {
  music::SetWaveDeviceFactory([&] { return std::make_unique<BenchDevice>(paced, pcmBytes); });
  const std::string names = path + '\0' + '\0';
  const auto begin = Clock::now();
  const uintptr_t player = music::CreatePlayer(names.c_str(), plays);
  music::NewPlay(player, 0, nullptr, 0);
  while (music::GetPlayState(player) != 0 && Seconds(Clock::now() - begin) < stopAfterSeconds) {
    // Coarse when paced, so the bench's own polling stays out of the CPU figure.
    std::this_thread::sleep_for(std::chrono::milliseconds(paced ? 50 : 1));
  }
  const double wall = Seconds(Clock::now() - begin);
  music::RemovePlayer(player);
  music::SetWaveDeviceFactory(nullptr);
  return wall;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : std::string(LIZHI_SOURCE_DIR) + "/tests/data/mpeg/iso/l3-he_44khz.bit";
  const double realTimeSeconds = argc > 2 ? std::atof(argv[2]) : 5.0;
  const double unplayableSeconds = argc > 3 ? std::atof(argv[3]) : 10.0;
  const std::vector<uint8_t> file = ReadFile(path);
  const Decoded direct = DecodeDirectly(file);
  if (direct.pcmBytes == 0) {
    std::printf("no decodable stream in %s\n", path.c_str());
    return 1;
  }
  const double audioSeconds = static_cast<double>(direct.pcmBytes) / direct.bytesPerSecond;
  std::printf("file: %s (%zu bytes, %.2f s of audio)\n", path.c_str(), file.size(), audioSeconds);

  constexpr int kPlays = 20;
  auto begin = Clock::now();
  double cpu = CpuSeconds();
  for (int i = 0; i < kPlays; ++i) DecodeDirectly(file);
  const double directWall = Seconds(Clock::now() - begin);
  const double directCpu = CpuSeconds() - cpu;
  std::printf("direct decode:      %6.1f x real time (%.3f s wall, %.3f s CPU for %d plays)\n",
              kPlays * audioSeconds / directWall, directWall, directCpu, kPlays);

  std::atomic<uint64_t> pcm{0};
  NoPauses noPauses;
  music::SetPacingClock(&noPauses);
  cpu = CpuSeconds();
  const double pipelineWall = PlayThrough(path, kPlays, false, 600, pcm);
  const double pipelineCpu = CpuSeconds() - cpu;
  std::printf("pipeline, no pacing: %6.1f x real time (%.3f s wall, %.3f s CPU for %d plays); PCM %s\n",
              kPlays * audioSeconds / pipelineWall, pipelineWall, pipelineCpu, kPlays,
              pcm.load() == direct.pcmBytes * kPlays ? "complete" : "INCOMPLETE");
  music::SetPacingClock(nullptr);

  pcm = 0;
  cpu = CpuSeconds();
  const double pacedWall = PlayThrough(path, 0, true, realTimeSeconds, pcm);
  const double pacedCpu = CpuSeconds() - cpu;
  std::printf("pipeline, real time: %.2f s played, %.3f s CPU = %.2f %% of one core\n", pacedWall, pacedCpu,
              100.0 * pacedCpu / pacedWall);
  PlayUnplayable(unplayableSeconds);
  std::printf("threads left after removal: %d\n", music::MusicThread::LiveCount());
  return 0;
}
