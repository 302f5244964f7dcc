// A joining thread for the player and its stages, counted so that tests and
// the end of the program can see that every player thread has ended.
#pragma once
#include <thread>
#include <utility>

#include "runtime/base/memory.h"

namespace lizhi::music {

class MusicThread {
 public:
  MusicThread() = default;
  template <class Body>
  explicit MusicThread(Body&& body) {
    Enter();
    thread_ = std::thread([b = std::forward<Body>(body)]() mutable {
      rt::GuardAllocations([&] { b(); });
      Leave();
    });
  }
  MusicThread(MusicThread&&) = default;
  MusicThread& operator=(MusicThread&& other) noexcept {
    Join();
    thread_ = std::move(other.thread_);
    return *this;
  }
  MusicThread(const MusicThread&) = delete;
  MusicThread& operator=(const MusicThread&) = delete;
  ~MusicThread() { Join(); }

  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  bool running() const { return thread_.joinable(); }

  // Threads started and not yet finished, over the whole process.
  static int LiveCount();

 private:
  static void Enter();
  static void Leave();
  std::thread thread_;
};

}  // namespace lizhi::music
