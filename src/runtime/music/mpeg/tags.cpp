#include "runtime/music/mpeg/tags.h"

namespace lizhi::mpeg {
namespace {

constexpr uint8_t kFooterFlag = 0x10;

size_t SyncsafeSize(const uint8_t* p) {
  return (static_cast<size_t>(p[0] & 0x7F) << 21) | (static_cast<size_t>(p[1] & 0x7F) << 14) |
         (static_cast<size_t>(p[2] & 0x7F) << 7) | static_cast<size_t>(p[3] & 0x7F);
}

}  // namespace

size_t Id3v2TagBytes(const uint8_t* data, size_t size) {
  if (data == nullptr || size < kId3v2HeaderBytes) return 0;
  if (data[0] != 'I' || data[1] != 'D' || data[2] != '3' || data[3] == 0xFF || data[4] == 0xFF) return 0;
  if (((data[6] | data[7] | data[8] | data[9]) & 0x80) != 0) return 0;  // not a syncsafe size
  size_t bytes = kId3v2HeaderBytes + SyncsafeSize(data + 6);
  if ((data[5] & kFooterFlag) != 0) bytes += kId3v2HeaderBytes;
  return bytes;
}

size_t Id3v2SkipBytes(const uint8_t* data, size_t size) {
  size_t skip = 0;
  while (skip < size) {
    const size_t tag = Id3v2TagBytes(data + skip, size - skip);
    if (tag == 0) break;
    skip += tag;  // at least 10, so the walk always ends
  }
  return skip;
}

bool HasId3v1Tail(const uint8_t* data, size_t size) {
  if (data == nullptr || size < kId3v1Bytes) return false;
  const uint8_t* tail = data + size - kId3v1Bytes;
  return tail[0] == 'T' && tail[1] == 'A' && tail[2] == 'G';
}

}  // namespace lizhi::mpeg
