#include "units/tray/probe_icon.h"

namespace lizhi::tray {

namespace {

// Layout: file header (6), one directory entry (16), bitmap header (40),
// 16-entry palette (64), 4-bit colour rows (16 x 8), 1-bit mask rows padded to
// 32 bits (16 x 4). Everything not set below is zero: black pixels, opaque mask.
constexpr size_t kImageOffset = 6 + 16;
constexpr uint32_t kImageSize = kProbeIconFileSize - kImageOffset;

constexpr void Put16(std::array<uint8_t, kProbeIconFileSize>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
constexpr void Put32(std::array<uint8_t, kProbeIconFileSize>& b, size_t at, uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

constexpr std::array<uint8_t, kProbeIconFileSize> BuildProbeIcon() {
  std::array<uint8_t, kProbeIconFileSize> b{};
  Put16(b, 2, 1);   // type: icon
  Put16(b, 4, 1);   // one image
  b[6] = 16;        // width
  b[7] = 16;        // height
  b[8] = 16;        // colours
  Put16(b, 10, 1);  // planes
  Put16(b, 12, 4);  // bits per pixel
  Put32(b, 14, kImageSize);
  Put32(b, 18, kImageOffset);

  size_t h = kImageOffset;
  Put32(b, h, 40);                    // bitmap header size
  Put32(b, h + 4, 16);                // width
  Put32(b, h + 8, 32);                // height of colour and mask together
  Put16(b, h + 12, 1);                // planes
  Put16(b, h + 14, 4);                // bits per pixel
  Put32(b, h + 20, 16 * 8 + 16 * 4);  // image bytes
  return b;
}

constexpr std::array<uint8_t, kProbeIconFileSize> kProbeIcon = BuildProbeIcon();

}  // namespace

const std::array<uint8_t, kProbeIconFileSize>& ProbeIconFile() { return kProbeIcon; }

}  // namespace lizhi::tray
