// A bounded MSB-first bit reader. Reading past the end answers zeros and marks
// the reader as overrun, so a damaged frame can be detected after the fact
// instead of being checked on every read.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lizhi::mpeg {

class BitReader {
 public:
  BitReader(const uint8_t* data, size_t sizeBytes) : data_(data), sizeBits_(sizeBytes * 8) {}

  // bits: 0..32.
  uint32_t Read(int bits) {
    uint32_t value = 0;
    for (int done = 0; done < bits;) {
      const size_t byte = positionBits_ >> 3;
      const int bitInByte = static_cast<int>(positionBits_ & 7);
      int take = 8 - bitInByte;
      if (take > bits - done) take = bits - done;
      uint32_t chunk = 0;
      if (positionBits_ + static_cast<size_t>(take) <= sizeBits_) {
        chunk = (static_cast<uint32_t>(data_[byte]) >> (8 - bitInByte - take)) & ((1u << take) - 1);
      } else {
        // Partly or wholly past the end: only the bits before it count.
        for (int i = 0; i < take; ++i) {
          const size_t bit = positionBits_ + static_cast<size_t>(i);
          const uint32_t b = bit < sizeBits_ ? (data_[bit >> 3] >> (7 - (bit & 7))) & 1u : 0u;
          chunk = (chunk << 1) | b;
        }
        overrun_ = true;
      }
      value = (take == 32) ? chunk : (value << take) | chunk;
      positionBits_ += static_cast<size_t>(take);
      done += take;
    }
    return value;
  }

  bool ReadBit() { return Read(1) != 0; }

  void Skip(size_t bits) {
    positionBits_ += bits;
    if (positionBits_ > sizeBits_) overrun_ = true;
  }

  size_t positionBits() const { return positionBits_; }
  size_t sizeBits() const { return sizeBits_; }
  size_t bitsLeft() const { return positionBits_ < sizeBits_ ? sizeBits_ - positionBits_ : 0; }
  bool overrun() const { return overrun_; }

 private:
  const uint8_t* data_;
  size_t sizeBits_;
  size_t positionBits_ = 0;
  bool overrun_ = false;
};

}  // namespace lizhi::mpeg
