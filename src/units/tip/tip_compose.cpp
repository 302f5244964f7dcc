#include "units/tip/tip_compose.h"

#include <algorithm>

namespace lizhi::tip {

namespace {

// One pass of a box of `size` (odd) along lines of `length` pixels, `stride`
// apart within a line; `lines` lines, `lineStep` apart.
void BlurPass(std::vector<uint8_t>& data, int32_t length, int32_t lines, size_t stride, size_t lineStep, int32_t size,
              std::vector<uint8_t>& line) {
  const int32_t half = size / 2;
  line.resize(static_cast<size_t>(length));
  for (int32_t l = 0; l < lines; ++l) {
    uint8_t* base = data.data() + static_cast<size_t>(l) * lineStep;
    for (int32_t i = 0; i < length; ++i) line[static_cast<size_t>(i)] = base[static_cast<size_t>(i) * stride];
    int32_t sum = 0;
    for (int32_t i = 0; i < half && i < length; ++i) sum += line[static_cast<size_t>(i)];
    for (int32_t i = 0; i < length; ++i) {
      const int32_t enter = i + half, leave = i - half - 1;
      if (enter < length) sum += line[static_cast<size_t>(enter)];
      if (leave >= 0) sum -= line[static_cast<size_t>(leave)];
      base[static_cast<size_t>(i) * stride] = static_cast<uint8_t>((sum + size / 2) / size);
    }
  }
}

inline uint32_t Channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFF; }

}  // namespace

int32_t ShadowGrey(int32_t darkness, int32_t transparency) {
  darkness = std::clamp(darkness, 0, 100);
  transparency = std::clamp(transparency, 0, 100);
  const int32_t g = 255 * (100 - darkness) / 100;
  return g + (255 - g) * transparency / 100;
}

int32_t OddBlurSize(int32_t size) {
  if (size < 1) return 1;
  return size | 1;
}

void BoxBlur(std::vector<uint8_t>& coverage, int32_t width, int32_t height, int32_t bx, int32_t by) {
  if (width <= 0 || height <= 0 || coverage.size() < static_cast<size_t>(width) * static_cast<size_t>(height)) return;
  bx = OddBlurSize(bx);
  by = OddBlurSize(by);
  std::vector<uint8_t> line;
  const auto w = static_cast<size_t>(width);
  if (bx > 1) BlurPass(coverage, width, height, 1, w, bx, line);
  if (by > 1) BlurPass(coverage, height, width, w, 1, by, line);
}

std::vector<uint8_t> Shifted(const std::vector<uint8_t>& shape, int32_t width, int32_t height, int32_t dx, int32_t dy) {
  std::vector<uint8_t> out(shape.size(), 0);
  for (int32_t y = 0; y < height; ++y) {
    const int32_t from = y - dy;
    if (from < 0 || from >= height) continue;
    for (int32_t x = 0; x < width; ++x) {
      const int32_t fx = x - dx;
      if (fx < 0 || fx >= width) continue;
      out[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
          shape[static_cast<size_t>(from) * static_cast<size_t>(width) + static_cast<size_t>(fx)];
    }
  }
  return out;
}

void Compose(const ComposeInput& in, uint32_t* out) {
  const uint32_t t = static_cast<uint32_t>(std::clamp(in.transparency, 0, 100));
  const uint32_t opacity = 100 - t;
  const uint32_t shade = static_cast<uint32_t>(255 - std::clamp(in.grey, 0, 255));
  for (size_t i = 0; i < in.count; ++i) {
    uint32_t pixel = in.snapshot[i];
    if (in.shadow && in.shadow[i] != 0 && shade != 0) {
      // factor/255 of the light passes: 255 outside the shadow, the grey inside.
      const uint32_t factor = 255 - shade * in.shadow[i] / 255;
      pixel = (Channel(pixel, 16) * factor / 255) << 16 | (Channel(pixel, 8) * factor / 255) << 8 |
              Channel(pixel, 0) * factor / 255;
    }
    if (in.shape[i] != 0) {
      const uint32_t c = in.content[i];
      if (t == 0) {
        pixel = c & 0xFFFFFF;
      } else {
        pixel = ((Channel(c, 16) * opacity + Channel(pixel, 16) * t) / 100) << 16 |
                ((Channel(c, 8) * opacity + Channel(pixel, 8) * t) / 100) << 8 |
                (Channel(c, 0) * opacity + Channel(pixel, 0) * t) / 100;
      }
    }
    out[i] = pixel;
  }
}

}  // namespace lizhi::tip
