#include "runtime/base/byte_stream.h"

#include <cstring>

namespace lizhi::rt {

uint32_t ByteReader::U32() {
  if (!ok_ || size_ - pos_ < 4) {
    ok_ = false;
    return 0;
  }
  uint32_t v = static_cast<uint32_t>(data_[pos_]) | static_cast<uint32_t>(data_[pos_ + 1]) << 8 |
               static_cast<uint32_t>(data_[pos_ + 2]) << 16 | static_cast<uint32_t>(data_[pos_ + 3]) << 24;
  pos_ += 4;
  return v;
}

std::string ByteReader::Text() {
  if (!ok_) return {};
  const void* end = std::memchr(data_ + pos_, 0, size_ - pos_);
  if (!end) {
    ok_ = false;
    return {};
  }
  size_t n = static_cast<const uint8_t*>(end) - (data_ + pos_);
  std::string text(reinterpret_cast<const char*>(data_ + pos_), n);
  pos_ += n + 1;
  return text;
}

std::vector<uint8_t> ByteReader::LengthPrefixed() {
  uint32_t n = U32();
  std::vector<uint8_t> out;
  if (ok_) Bytes(n, out);
  return out;
}

bool ByteReader::Bytes(size_t n, std::vector<uint8_t>& out) {
  if (!ok_ || size_ - pos_ < n) {
    ok_ = false;
    return false;
  }
  out.assign(data_ + pos_, data_ + pos_ + n);
  pos_ += n;
  return true;
}

bool ByteReader::Skip(size_t n) {
  if (!ok_ || size_ - pos_ < n) {
    ok_ = false;
    return false;
  }
  pos_ += n;
  return true;
}

void ByteWriter::U32(uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void ByteWriter::Text(std::string_view text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
  bytes_.push_back(0);
}

void ByteWriter::LengthPrefixed(const std::vector<uint8_t>& bytes) {
  U32(static_cast<uint32_t>(bytes.size()));
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Bytes(const void* data, size_t n) {
  auto* p = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), p, p + n);
}

void ByteWriter::PatchU32(size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes_[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace lizhi::rt
