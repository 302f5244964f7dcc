#include "runtime/music/mpeg/tags.h"

namespace lizhi::mpeg {
namespace {

size_t SyncsafeSize(const uint8_t* p) {
  return (static_cast<size_t>(p[0] & 0x7F) << 21) | (static_cast<size_t>(p[1] & 0x7F) << 14) |
         (static_cast<size_t>(p[2] & 0x7F) << 7) | static_cast<size_t>(p[3] & 0x7F);
}

}  // namespace

size_t Id3v2SkipBytes(const uint8_t* data, size_t size) {
  constexpr size_t kHeaderBytes = 10;
  if (data == nullptr || size < kHeaderBytes) return 0;
  if (data[0] != 'I' || data[1] != 'D' || data[2] != '3' || data[3] != 3) return 0;
  size_t skip = kHeaderBytes + SyncsafeSize(data + 6);
  const uint8_t flags = data[5];
  // ID3 v2.3 extended header: size (4), flags (2), padding size (4), big-endian.
  constexpr size_t kPaddingAt = kHeaderBytes + 6;
  if ((flags & 0x40) != 0 && size >= kPaddingAt + 4) {
    const uint8_t* p = data + kPaddingAt;
    const size_t padding = (static_cast<size_t>(p[0]) << 24) | (static_cast<size_t>(p[1]) << 16) |
                           (static_cast<size_t>(p[2]) << 8) | static_cast<size_t>(p[3]);
    skip += padding;
  }
  return skip;
}

size_t Id3v2TagBytes(const uint8_t* data, size_t size) {
  constexpr size_t kHeaderBytes = 10;
  if (data == nullptr || size < kHeaderBytes) return 0;
  if (data[0] != 'I' || data[1] != 'D' || data[2] != '3' || data[3] == 0xFF || data[4] == 0xFF) return 0;
  if (((data[6] | data[7] | data[8] | data[9]) & 0x80) != 0) return 0;  // not a syncsafe size
  size_t bytes = kHeaderBytes + SyncsafeSize(data + 6);
  if (data[3] >= 4 && (data[5] & 0x10) != 0) bytes += kHeaderBytes;  // footer
  return bytes;
}

bool HasId3v1Tail(const uint8_t* data, size_t size) {
  if (data == nullptr || size < kId3v1Bytes) return false;
  const uint8_t* tail = data + size - kId3v1Bytes;
  return tail[0] == 'T' && tail[1] == 'A' && tail[2] == 'G';
}

}  // namespace lizhi::mpeg
