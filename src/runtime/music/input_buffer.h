// The 64 KiB buffer between the file reader and the frame decoder, filled in
// 8192-byte blocks. The reader reads straight into a reserved block; the
// decoder copies out small windows and drops what it has used.
#pragma once
#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>

namespace lizhi::music {

class InputBuffer {
 public:
  static constexpr size_t kBytes = 65536;
  static constexpr size_t kBlockBytes = 8192;

  struct Block {
    uint8_t* data = nullptr;         // kBlockBytes of room
    std::optional<uint64_t> seekTo;  // the reader must move to this file offset first
    uint64_t generation = 0;
  };

  // Reader side. Waits while the buffer is full or the end is marked; empty
  // once aborted. A commit for an older generation (a seek came in between)
  // is thrown away.
  std::optional<Block> ReserveBlock();
  void CommitBlock(const Block& block, size_t bytes, bool endOfInput);

  // Decoder side. Copies up to `want` bytes (at most kBytes) from the front,
  // waiting until that many are there or the end is marked. 0 at the end or
  // once aborted.
  size_t Peek(uint8_t* out, size_t want);
  void Drop(size_t bytes);
  // Empties the buffer and makes the reader continue at `fileOffset`.
  void SeekTo(uint64_t fileOffset);

  void Abort();
  bool aborted() const;

 private:
  std::array<uint8_t, kBytes> bytes_{};
  mutable std::mutex mutex_;
  std::condition_variable dataAdded_;
  std::condition_variable spaceFreed_;
  uint64_t readCount_ = 0;  // running counters; position = counter mod kBytes
  uint64_t writeCount_ = 0;
  uint64_t generation_ = 0;
  std::optional<uint64_t> pendingSeek_;
  bool ended_ = false;
  bool aborted_ = false;
};

}  // namespace lizhi::music
