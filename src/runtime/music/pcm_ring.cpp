#include "runtime/music/pcm_ring.h"

namespace lizhi::music {

void PcmRing::Configure(size_t ringBytes) {
  std::lock_guard lock(mutex_);
  storage_.assign(ringBytes, 0);
  written_ = released_ = reservedAt_ = 0;
  reservedBytes_ = 0;
  pending_.clear();
  takenEnds_.clear();
}

uint8_t* PcmRing::Reserve(size_t bytes) {
  std::unique_lock lock(mutex_);
  const size_t ringBytes = storage_.size();
  if (bytes == 0 || bytes > ringBytes) return nullptr;
  for (;;) {
    if (aborted_) return nullptr;
    const size_t at = static_cast<size_t>(written_ % ringBytes);
    // A block never wraps: when the tail is too short it is skipped, and it
    // becomes free again together with the block that follows it.
    const size_t skip = ringBytes - at < bytes ? ringBytes - at : 0;
    const uint64_t inUse = written_ - released_;
    if (inUse + skip + bytes <= ringBytes) {
      written_ += skip;
      reservedAt_ = written_;
      reservedBytes_ = bytes;
      return storage_.data() + (skip != 0 ? 0 : at);
    }
    spaceFreed_.wait(lock);
  }
}

void PcmRing::Commit(size_t used) {
  {
    std::lock_guard lock(mutex_);
    if (used > reservedBytes_) used = reservedBytes_;
    reservedBytes_ = 0;
    if (used == 0) return;
    pending_.push_back(Entry{Item::Kind::Pcm, {}, reservedAt_, used});
    written_ = reservedAt_ + used;
  }
  itemAdded_.notify_one();
}

void PcmRing::PutFormat(const PcmFormat& format) {
  {
    std::lock_guard lock(mutex_);
    pending_.push_back(Entry{Item::Kind::Format, format, written_, 0});
  }
  itemAdded_.notify_one();
}

void PcmRing::PutEnd() {
  {
    std::lock_guard lock(mutex_);
    pending_.push_back(Entry{Item::Kind::End, {}, written_, 0});
  }
  itemAdded_.notify_one();
}

bool PcmRing::Take(Item& out) {
  std::unique_lock lock(mutex_);
  itemAdded_.wait(lock, [this] { return aborted_ || !pending_.empty(); });
  if (aborted_) return false;
  PopFront(out);
  return true;
}

PcmRing::TakeResult PcmRing::TakeFor(Item& out, std::chrono::milliseconds timeout) {
  std::unique_lock lock(mutex_);
  if (!itemAdded_.wait_for(lock, timeout, [this] { return aborted_ || !pending_.empty(); })) {
    return TakeResult::TimedOut;
  }
  if (aborted_) return TakeResult::Aborted;
  PopFront(out);
  return TakeResult::Item;
}

void PcmRing::PopFront(Item& out) {
  const Entry entry = pending_.front();
  pending_.pop_front();
  out = Item{};
  out.kind = entry.kind;
  out.format = entry.format;
  if (entry.kind == Item::Kind::Pcm) {
    out.data = storage_.data() + entry.start % storage_.size();
    out.bytes = entry.bytes;
    takenEnds_.push_back(entry.start + entry.bytes);
  }
}

void PcmRing::ReleaseOldest() {
  {
    std::lock_guard lock(mutex_);
    if (takenEnds_.empty()) return;
    released_ = takenEnds_.front();
    takenEnds_.pop_front();
  }
  spaceFreed_.notify_one();
}

void PcmRing::Abort() {
  {
    std::lock_guard lock(mutex_);
    aborted_ = true;
  }
  spaceFreed_.notify_all();
  itemAdded_.notify_all();
}

size_t PcmRing::BytesInUse() const {
  std::lock_guard lock(mutex_);
  return static_cast<size_t>(written_ + reservedBytes_ - released_);
}

}  // namespace lizhi::music
