// The image styles of tip images, applied to 32-bit pixels (0x00RRGGBB) in
// the order their letters are written: g grey, d disabled (grey and pale), l
// light (halfway to white), s shadow (a dark silhouette). Pixels of the mask
// colour stay as they are so that they remain transparent.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace lizhi::tip {

void ApplyImageStyle(std::vector<uint32_t>& pixels, std::string_view letters, uint32_t maskPixel);

}  // namespace lizhi::tip
