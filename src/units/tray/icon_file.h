// Reading an icon file image (.ico / .cur) held in memory: which directory entry
// holds the 16 x 16 (or 32 x 32) image and where its bytes are. Pure and bounded,
// so icon bytes from a property block can never make the unit read past them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>

namespace lizhi::tray {

struct IconImage {
  const uint8_t* bytes = nullptr;  // the image inside the file (bitmap header onwards)
  uint32_t size = 0;               // bytes of the image
  int32_t width = 0;               // the image header's width
  int32_t height = 0;              // half the image header's height (colour and mask)
  uint16_t bitCount = 0;           // the image header's bits per pixel
};

// The first directory entry whose width byte is 32 (want32) or 16 (otherwise),
// when the header is valid (reserved 0, type 1 or 2, at least one image) and the
// entry's bytes lie wholly inside the data.
std::optional<IconImage> FindIconImage(const uint8_t* data, size_t length, bool want32);

}  // namespace lizhi::tray
