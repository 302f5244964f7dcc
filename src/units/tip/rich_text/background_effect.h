// Background effects of tips and table cells, as pure arithmetic: gradients
// 1 to 6 are 64 bands of solid colour, patterns 7 to 15 are pixels. Effect 0,
// and every number outside the table, is a plain fill with the begin colour.
#pragma once
#include <cstdint>
#include <vector>

#include "units/tip/rich_text/draw_ops.h"

namespace lizhi::tip {

enum Effect : int {
  kEffectSolid = 0,
  kEffectHGradient = 1,
  kEffectVGradient = 2,
  kEffectHCGradient = 3,
  kEffectVCGradient = 4,
  kEffect3HGradient = 5,
  kEffect3VGradient = 6,
  kEffectNoise = 7,
  kEffectDiagShade = 8,
  kEffectHShade = 9,
  kEffectVShade = 10,
  kEffectHBump = 11,
  kEffectVBump = 12,
  kEffectSoftBump = 13,
  kEffectHardBump = 14,
  kEffectMetal = 15,
};

constexpr int kGradientBands = 64;
// A pattern larger than this is filled plainly instead (no huge bitmaps).
constexpr long long kMaxPatternPixels = 4096LL * 4096;

inline bool IsGradientEffect(int effect) { return effect >= kEffectHGradient && effect <= kEffect3VGradient; }
inline bool IsPatternEffect(int effect) { return effect >= kEffectNoise && effect <= kEffectMetal; }

struct Band {
  Rect rect;
  Colour colour;
  friend bool operator==(const Band&, const Band&) = default;
};

// Band i of a ramp spans start + length * i / 64 to start + length * (i + 1) / 64
// along its axis, coloured from + i/64 of the way to `to` per channel (6
// fraction bits); empty bands are left out.
std::vector<Band> GradientBands(const Rect& rect, int effect, Colour begin, Colour middle, Colour end);

// Pixels of a pattern effect, rows from the top, each 0x00RRGGBB as a 32-bit
// device-independent bitmap holds them. The same arguments always give the
// same pixels (the noise comes from a fixed-seed generator). Empty when the
// effect is not a pattern or the size is empty or too large.
std::vector<uint32_t> PatternPixels(int width, int height, int effect, Colour begin, Colour middle, Colour end,
                                    int granularity);

}  // namespace lizhi::tip
