#include "runtime/music/input_buffer.h"

#include <algorithm>
#include <cstring>

namespace lizhi::music {

std::optional<InputBuffer::Block> InputBuffer::ReserveBlock() {
  std::unique_lock lock(mutex_);
  spaceFreed_.wait(lock, [this] {
    return aborted_ || pendingSeek_ || (!ended_ && kBytes - (writeCount_ - readCount_) >= kBlockBytes);
  });
  if (aborted_) return std::nullopt;
  Block block;
  // The buffer is only ever filled in whole blocks from a block boundary, so a
  // block never wraps.
  block.data = bytes_.data() + writeCount_ % kBytes;
  block.seekTo = pendingSeek_;
  block.generation = generation_;
  pendingSeek_.reset();
  return block;
}

void InputBuffer::CommitBlock(const Block& block, size_t bytes, bool endOfInput) {
  {
    std::lock_guard lock(mutex_);
    if (block.generation != generation_ || aborted_) return;
    writeCount_ += std::min(bytes, kBlockBytes);
    if (endOfInput) ended_ = true;
  }
  dataAdded_.notify_all();
}

size_t InputBuffer::Peek(uint8_t* out, size_t want) {
  want = std::min(want, kBytes);
  std::unique_lock lock(mutex_);
  dataAdded_.wait(lock, [&] { return aborted_ || ended_ || writeCount_ - readCount_ >= want; });
  if (aborted_) return 0;
  const size_t count = static_cast<size_t>(std::min<uint64_t>(want, writeCount_ - readCount_));
  const size_t at = static_cast<size_t>(readCount_ % kBytes);
  const size_t first = std::min(count, kBytes - at);
  std::memcpy(out, bytes_.data() + at, first);
  std::memcpy(out + first, bytes_.data(), count - first);
  return count;
}

void InputBuffer::Drop(size_t bytes) {
  {
    std::lock_guard lock(mutex_);
    readCount_ += std::min<uint64_t>(bytes, writeCount_ - readCount_);
  }
  spaceFreed_.notify_all();
}

void InputBuffer::SeekTo(uint64_t fileOffset) {
  {
    std::lock_guard lock(mutex_);
    readCount_ = writeCount_ = 0;
    ended_ = false;
    ++generation_;
    pendingSeek_ = fileOffset;
  }
  spaceFreed_.notify_all();
}

void InputBuffer::Abort() {
  {
    std::lock_guard lock(mutex_);
    aborted_ = true;
  }
  dataAdded_.notify_all();
  spaceFreed_.notify_all();
}

bool InputBuffer::aborted() const {
  std::lock_guard lock(mutex_);
  return aborted_;
}

}  // namespace lizhi::music
