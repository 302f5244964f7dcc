// The tip's pixels, free of GDI: the soft shadow's coverage (a separable box
// blur, linear in the area whatever the blur size), the shadow's grey level,
// and the composition of one paint: the screen beneath darkened by the shadow,
// the tip's content blended over it inside the shape.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lizhi::tip {

// The shadow's grey for a darkness percent, lightened by the transparency t:
// G = 255 (100 - darkness) / 100, then G + (255 - G) t / 100.
int32_t ShadowGrey(int32_t darkness, int32_t transparency);

// Blur sizes made odd (an even size grows by one); sizes below 1 become 1.
int32_t OddBlurSize(int32_t size);

// Averages `coverage` (width x height, one byte per pixel, row by row) over a
// box of bx x by pixels centred on each pixel, one pass along each axis, with
// running sums; pixels beyond the edges count as 0.
void BoxBlur(std::vector<uint8_t>& coverage, int32_t width, int32_t height, int32_t bx, int32_t by);

// `shape` moved by (dx, dy), as coverage of the same size.
std::vector<uint8_t> Shifted(const std::vector<uint8_t>& shape, int32_t width, int32_t height, int32_t dx, int32_t dy);

// What one paint puts in the window. Pixels are 0x00RRGGBB; `shadow` is the
// shadow's coverage (0 none, 255 full), `shape` is non-zero inside the tip.
struct ComposeInput {
  const uint32_t* snapshot = nullptr;
  const uint32_t* content = nullptr;
  const uint8_t* shape = nullptr;
  const uint8_t* shadow = nullptr;  // null: no shadow
  size_t count = 0;
  int32_t grey = 255;  // ShadowGrey
  int32_t transparency = 0;
};
void Compose(const ComposeInput& in, uint32_t* out);

}  // namespace lizhi::tip
