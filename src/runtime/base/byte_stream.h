// Bounded little-endian reading and writing of the runtime's stored data
// (window template, unit property blocks). A reader never reads past its end:
// once a read fails the reader stays failed and answers zeros.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lizhi::rt {

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool ok() const { return ok_; }
  size_t position() const { return pos_; }
  size_t remaining() const { return ok_ ? size_ - pos_ : 0; }
  bool atEnd() const { return pos_ >= size_; }

  uint32_t U32();
  int32_t I32() { return static_cast<int32_t>(U32()); }
  // A zero-terminated text; fails when no terminator comes before the end.
  std::string Text();
  // A 4-byte length followed by that many bytes.
  std::vector<uint8_t> LengthPrefixed();
  // n raw bytes.
  bool Bytes(size_t n, std::vector<uint8_t>& out);
  bool Skip(size_t n);
  void Fail() { ok_ = false; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool ok_ = true;
};

class ByteWriter {
 public:
  void U32(uint32_t v);
  void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
  void Text(std::string_view text);  // with its terminator
  void LengthPrefixed(const std::vector<uint8_t>& bytes);
  void Bytes(const void* data, size_t n);
  void Zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  // Overwrites 4 bytes written earlier (for sizes known only afterwards).
  void PatchU32(size_t at, uint32_t v);

  size_t size() const { return bytes_.size(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace lizhi::rt
