// Byte ring between the frame decoder (writer) and the wave output (reader).
// PCM blocks and markers travel in order; the reader hands PCM blocks to the
// device without copying and releases them, oldest first, once played.
#pragma once
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "runtime/music/pcm_format.h"

namespace lizhi::music {

class PcmRing {
 public:
  struct Item {
    enum class Kind { Format, Pcm, End };
    Kind kind = Kind::End;
    PcmFormat format;               // Format
    const uint8_t* data = nullptr;  // Pcm: points into the ring
    size_t bytes = 0;               // Pcm
  };

  // Allocates the storage; the writer calls it once, before anything else.
  void Configure(size_t ringBytes);
  size_t size() const { return storage_.size(); }

  // Writer. Reserve waits for `bytes` contiguous free bytes; nullptr once
  // aborted (or when `bytes` can never fit). Commit publishes the first
  // `used` reserved bytes (0 gives the reservation back).
  uint8_t* Reserve(size_t bytes);
  void Commit(size_t used);
  void PutFormat(const PcmFormat& format);
  void PutEnd();

  // Reader. Take waits for the next item; false once aborted. TakeFor waits
  // no longer than `timeout`. Release frees the oldest PCM block taken and
  // not yet released.
  enum class TakeResult { Item, TimedOut, Aborted };
  bool Take(Item& out);
  TakeResult TakeFor(Item& out, std::chrono::milliseconds timeout);
  void ReleaseOldest();

  // Wakes every wait for good: the pipeline is stopping.
  void Abort();

  // Bytes of PCM reserved by the writer and not yet released by the reader
  // (padding skipped at the end of the storage included).
  size_t BytesInUse() const;

 private:
  void PopFront(Item& out);  // with mutex_ held

  struct Entry {
    Item::Kind kind;
    PcmFormat format;
    uint64_t start;  // running byte counters; position = counter mod size
    size_t bytes;
  };

  std::vector<uint8_t> storage_;
  mutable std::mutex mutex_;
  std::condition_variable spaceFreed_;
  std::condition_variable itemAdded_;
  std::deque<Entry> pending_;       // written, not yet taken
  std::deque<uint64_t> takenEnds_;  // end counters of taken PCM blocks, oldest first
  uint64_t written_ = 0;            // counter after the last committed (or skipped) byte
  uint64_t released_ = 0;           // everything before this counter is free
  uint64_t reservedAt_ = 0;
  size_t reservedBytes_ = 0;
  bool aborted_ = false;
};

}  // namespace lizhi::music
