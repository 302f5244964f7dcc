#include "units/tip/rich_text/image_styles.h"

namespace lizhi::tip {
namespace {

uint32_t Grey(uint32_t level) { return level << 16 | level << 8 | level; }

uint32_t Luma(uint32_t p) { return ((p >> 16 & 0xFF) * 77 + (p >> 8 & 0xFF) * 150 + (p & 0xFF) * 29) >> 8; }

uint32_t Restyle(uint32_t p, char letter) {
  switch (letter) {
    case 'g':
      return Grey(Luma(p));
    case 'd':
      return Grey(96 + Luma(p) * 5 / 8);
    case 'l': {
      uint32_t out = 0;
      for (int shift = 0; shift <= 16; shift += 8) out |= (((p >> shift & 0xFF) + 255) / 2) << shift;
      return out;
    }
    case 's':
      return Grey(0x40);
    default:
      return p;
  }
}

}  // namespace

void ApplyImageStyle(std::vector<uint32_t>& pixels, std::string_view letters, uint32_t maskPixel) {
  for (char letter : letters) {
    if (letter != 'g' && letter != 'd' && letter != 'l' && letter != 's') continue;
    for (uint32_t& p : pixels) {
      if ((p & 0xFFFFFF) != (maskPixel & 0xFFFFFF)) p = Restyle(p & 0xFFFFFF, letter);
    }
  }
}

}  // namespace lizhi::tip
