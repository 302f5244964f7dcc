// A wave device for tests: records what it is asked to play and completes
// buffers at once, on a thread of its own, or only when reset. It also checks
// the output stage's promises: a header is never reused or given back before
// it completed, and a block's bytes stay untouched while the device holds it.
#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "runtime/music/pcm_format.h"
#include "runtime/music/wave_device.h"

namespace lizhi::music::test {

enum class Completion { Immediate, Background, OnReset };

class FakeAudio;

struct DeviceSession {
  PcmFormat format;
  size_t headerCount = 0;
  std::vector<uint8_t> pcm;  // everything written, in order
  size_t writes = 0;
  int pauses = 0;
  int restarts = 0;
  int resets = 0;
  bool closed = false;
  bool resetBeforeClose = false;
};

class FakeAudio {
 public:
  explicit FakeAudio(Completion completion = Completion::Immediate);
  ~FakeAudio();  // restores the process's factory
  FakeAudio(const FakeAudio&) = delete;
  FakeAudio& operator=(const FakeAudio&) = delete;

  void set_fail_open(bool fail) { failOpen_ = fail; }
  // From now on devices complete what they hold, on their own threads.
  void StartCompleting() { completing_ = true; }

  std::vector<DeviceSession> sessions() const;
  size_t opened() const;
  size_t devicesAlive() const;
  std::vector<std::string> violations() const;

  // Polls `done` until it holds or `timeout` passes.
  bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;

 private:
  friend class FakeWaveDevice;
  size_t OpenSession(const PcmFormat& format, size_t headers);
  void Record(size_t session, const std::function<void(DeviceSession&)>& change);
  void Violation(std::string what);

  const Completion completion_;
  std::atomic<bool> completing_{false};
  bool failOpen_ = false;
  mutable std::mutex mutex_;
  std::vector<DeviceSession> sessions_;
  std::vector<std::string> violations_;
  size_t alive_ = 0;
  WaveDeviceFactory previous_;
};

class FakeWaveDevice final : public WaveDevice {
 public:
  FakeWaveDevice(FakeAudio& audio, Completion completion) : audio_(audio), completion_(completion) {
    std::lock_guard lock(audio_.mutex_);
    ++audio_.alive_;
  }
  ~FakeWaveDevice() override {
    StopCompleter();
    std::lock_guard lock(audio_.mutex_);
    --audio_.alive_;
  }

  bool Open(const PcmFormat& format, size_t headerCount, DoneCallback done, void* context) override {
    if (audio_.failOpen_) return false;
    session_ = audio_.OpenSession(format, headerCount);
    done_ = done;
    context_ = context;
    headers_.assign(headerCount, Header{});
    completer_ = std::thread([this] { CompleteInBackground(); });
    return true;
  }

  bool Write(size_t header, const uint8_t* data, size_t bytes) override {
    if (header >= headers_.size()) {
      audio_.Violation("write of an unknown header");
      return false;
    }
    {
      std::lock_guard lock(mutex_);
      Header& h = headers_[header];
      if (h.state != HeaderState::Free) audio_.Violation("header written again before it was given back");
      h.state = HeaderState::Queued;
      h.data = data;
      h.copy.assign(data, data + bytes);
      queue_.push_back(header);
    }
    audio_.Record(session_, [&](DeviceSession& s) {
      s.pcm.insert(s.pcm.end(), data, data + bytes);
      ++s.writes;
    });
    if (completion_ == Completion::Immediate) {
      CompleteOldest();
    } else {
      wake_.notify_all();
    }
    return true;
  }

  void Unprepare(size_t header) override {
    std::lock_guard lock(mutex_);
    if (header >= headers_.size() || headers_[header].state != HeaderState::Done) {
      audio_.Violation("header given back before it completed");
      return;
    }
    headers_[header].state = HeaderState::Free;
  }

  void Pause() override {
    audio_.Record(session_, [](DeviceSession& s) { ++s.pauses; });
  }
  void Restart() override {
    audio_.Record(session_, [](DeviceSession& s) { ++s.restarts; });
  }

  void Reset() override {
    audio_.Record(session_, [](DeviceSession& s) { ++s.resets; });
    while (CompleteOldest()) {
    }
  }

  void Close() override {
    StopCompleter();
    {
      std::lock_guard lock(mutex_);
      if (!queue_.empty()) audio_.Violation("closed while buffers were queued");
    }
    audio_.Record(session_, [](DeviceSession& s) {
      s.resetBeforeClose = s.resets > 0;
      s.closed = true;
    });
  }

 private:
  enum class HeaderState { Free, Queued, Done };
  struct Header {
    HeaderState state = HeaderState::Free;
    const uint8_t* data = nullptr;
    std::vector<uint8_t> copy;
  };

  // Completes the oldest queued header, checking its block was left alone.
  bool CompleteOldest() {
    size_t header;
    {
      std::lock_guard lock(mutex_);
      if (queue_.empty()) return false;
      header = queue_.front();
      queue_.pop_front();
      Header& h = headers_[header];
      if (std::memcmp(h.data, h.copy.data(), h.copy.size()) != 0) {
        audio_.Violation("block changed while the device held it");
      }
      h.state = HeaderState::Done;
    }
    done_(context_, header);
    return true;
  }

  void CompleteInBackground() {
    std::unique_lock lock(mutex_);
    while (!stop_) {
      const bool completing = completion_ == Completion::Background || audio_.completing_;
      if (queue_.empty() || !completing) {
        wake_.wait_for(lock, std::chrono::milliseconds(5));
        continue;
      }
      lock.unlock();
      CompleteOldest();
      lock.lock();
    }
  }

  void StopCompleter() {
    {
      std::lock_guard lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    if (completer_.joinable()) completer_.join();
  }

  FakeAudio& audio_;
  const Completion completion_;
  size_t session_ = 0;
  DoneCallback done_ = nullptr;
  void* context_ = nullptr;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::vector<Header> headers_;
  std::deque<size_t> queue_;
  bool stop_ = false;
  std::thread completer_;
};

inline FakeAudio::FakeAudio(Completion completion) : completion_(completion) {
  previous_ = SetWaveDeviceFactory([this] { return std::make_unique<FakeWaveDevice>(*this, completion_); });
}

inline FakeAudio::~FakeAudio() { SetWaveDeviceFactory(std::move(previous_)); }

inline std::vector<DeviceSession> FakeAudio::sessions() const {
  std::lock_guard lock(mutex_);
  return sessions_;
}

inline size_t FakeAudio::opened() const {
  std::lock_guard lock(mutex_);
  return sessions_.size();
}

inline size_t FakeAudio::devicesAlive() const {
  std::lock_guard lock(mutex_);
  return alive_;
}

inline std::vector<std::string> FakeAudio::violations() const {
  std::lock_guard lock(mutex_);
  return violations_;
}

inline bool FakeAudio::WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

inline size_t FakeAudio::OpenSession(const PcmFormat& format, size_t headers) {
  std::lock_guard lock(mutex_);
  DeviceSession session;
  session.format = format;
  session.headerCount = headers;
  sessions_.push_back(std::move(session));
  return sessions_.size() - 1;
}

inline void FakeAudio::Record(size_t session, const std::function<void(DeviceSession&)>& change) {
  std::lock_guard lock(mutex_);
  if (session < sessions_.size()) change(sessions_[session]);
}

inline void FakeAudio::Violation(std::string what) {
  std::lock_guard lock(mutex_);
  violations_.push_back(std::move(what));
}

}  // namespace lizhi::music::test
