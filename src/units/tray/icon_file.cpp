#include "units/tray/icon_file.h"

namespace lizhi::tray {

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;
// Enough of the image's bitmap header to read width, height and bit count.
constexpr uint32_t kImageHeaderNeeded = 16;

uint16_t U16At(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t U32At(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

std::optional<IconImage> FindIconImage(const uint8_t* data, size_t length, bool want32) {
  if (!data || length < kHeaderSize) return std::nullopt;
  uint16_t reserved = U16At(data);
  uint16_t type = U16At(data + 2);
  uint16_t count = U16At(data + 4);
  if (reserved != 0 || (type != 1 && type != 2) || count == 0) return std::nullopt;

  const uint8_t wantedWidth = want32 ? 32 : 16;
  for (size_t i = 0; i < count; ++i) {
    size_t at = kHeaderSize + i * kEntrySize;
    if (at + kEntrySize > length) return std::nullopt;  // the directory runs past the data
    const uint8_t* entry = data + at;
    if (entry[0] != wantedWidth) continue;

    uint32_t size = U32At(entry + 8);
    uint32_t offset = U32At(entry + 12);
    if (static_cast<uint64_t>(offset) + size > length || size < kImageHeaderNeeded) return std::nullopt;
    const uint8_t* image = data + offset;
    IconImage found;
    found.bytes = image;
    found.size = size;
    found.width = static_cast<int32_t>(U32At(image + 4));
    found.height = static_cast<int32_t>(U32At(image + 8)) / 2;
    found.bitCount = U16At(image + 14);
    return found;
  }
  return std::nullopt;
}

}  // namespace lizhi::tray
