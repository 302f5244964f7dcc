// A counting semaphore on a mutex and a condition variable. libstdc++ 12's
// std::counting_semaphore waits through a proxy on targets without futexes
// (mingw-w64) and was seen to miss a release there, leaving a stage thread
// asleep for good.
#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace lizhi::music {

class Semaphore {
 public:
  static constexpr int64_t kMax = 2147483647;

  explicit Semaphore(int64_t initial = 0) : count_(initial) {}
  Semaphore(const Semaphore&) = delete;
  Semaphore& operator=(const Semaphore&) = delete;

  void release() {
    {
      std::lock_guard lock(mutex_);
      if (count_ < kMax) ++count_;
    }
    available_.notify_one();
  }

  void acquire() {
    std::unique_lock lock(mutex_);
    available_.wait(lock, [this] { return count_ > 0; });
    --count_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable available_;
  int64_t count_;
};

}  // namespace lizhi::music
