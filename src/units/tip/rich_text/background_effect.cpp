#include "units/tip/rich_text/background_effect.h"

#include <algorithm>
#include <cmath>

namespace lizhi::tip {
namespace {

constexpr double kPi = 3.14159265358979323846;

int Channel(Colour c, int shift) { return static_cast<int>(c >> shift & 0xFF); }

Colour BandColour(Colour from, Colour to, int i) {
  Colour out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    int a = Channel(from, shift);
    int b = Channel(to, shift);
    int value = (a * kGradientBands + (b - a) * i) >> 6;  // never negative: a blend of a and b
    out |= static_cast<Colour>(value) << shift;
  }
  return out;
}

void AddRamp(std::vector<Band>& out, const Rect& rect, bool horizontal, int start, int length, Colour from, Colour to) {
  for (int i = 0; i < kGradientBands; ++i) {
    int a = start + static_cast<int>(static_cast<long long>(length) * i / kGradientBands);
    int b = start + static_cast<int>(static_cast<long long>(length) * (i + 1) / kGradientBands);
    if (a == b) continue;
    Rect r = horizontal ? Rect{a, rect.top, b, rect.bottom} : Rect{rect.left, a, rect.right, b};
    out.push_back({r, BandColour(from, to, i)});
  }
}

// Fixed-seed linear congruential generator: the noise of a tip is the same
// every time it is drawn.
class Noise {
 public:
  double Next() {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<double>(state_ >> 8 & 0xFFFF) / 65535.0;
  }

 private:
  uint32_t state_ = 0x2F6B1D;
};

uint32_t Mix(Colour a, Colour b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  uint32_t out = 0;
  // Colour values are 0x00BBGGRR; DIB pixels 0x00RRGGBB.
  for (int shift = 0; shift <= 16; shift += 8) {
    double v = Channel(a, shift) + (Channel(b, shift) - Channel(a, shift)) * t;
    out |= static_cast<uint32_t>(std::lround(v)) << (16 - shift);
  }
  return out;
}

uint32_t Ramp3(Colour begin, Colour middle, Colour end, double t) {
  return t < 0.5 ? Mix(begin, middle, t * 2) : Mix(middle, end, t * 2 - 1);
}

}  // namespace

std::vector<Band> GradientBands(const Rect& rect, int effect, Colour begin, Colour middle, Colour end) {
  std::vector<Band> out;
  if (!IsGradientEffect(effect) || rect.Empty()) return out;
  bool horizontal = effect % 2 == 1;
  int start = horizontal ? rect.left : rect.top;
  int length = horizontal ? rect.Width() : rect.Height();
  int half = length / 2;
  switch (effect) {
    case kEffectHGradient:
    case kEffectVGradient:
      AddRamp(out, rect, horizontal, start, length, begin, end);
      break;
    case kEffectHCGradient:
    case kEffectVCGradient:
      AddRamp(out, rect, horizontal, start, half, begin, end);
      AddRamp(out, rect, horizontal, start + half, length - half, end, begin);
      break;
    default:  // three colours
      AddRamp(out, rect, horizontal, start, half, begin, middle);
      AddRamp(out, rect, horizontal, start + half, length - half, middle, end);
      break;
  }
  return out;
}

std::vector<uint32_t> PatternPixels(int width, int height, int effect, Colour begin, Colour middle, Colour end,
                                    int granularity) {
  std::vector<uint32_t> pixels;
  if (!IsPatternEffect(effect) || width <= 0 || height <= 0 ||
      static_cast<long long>(width) * height > kMaxPatternPixels) {
    return pixels;
  }
  pixels.resize(static_cast<size_t>(width) * height);
  int grain = std::clamp(granularity & 0xFF, 1, 255);
  Noise noise;
  double w = width;
  double h = height;
  for (int y = 0; y < height; ++y) {
    double rowNoise = effect == kEffectMetal ? noise.Next() : 0;
    for (int x = 0; x < width; ++x) {
      double fx = (x + 0.5) / w;
      double fy = (y + 0.5) / h;
      uint32_t c = 0;
      switch (effect) {
        case kEffectNoise:  // speckles of the end colour over the begin colour
          c = Mix(begin, end, noise.Next() * std::min(1.0, grain / 32.0));
          break;
        case kEffectDiagShade:
          c = Ramp3(begin, middle, end, (fx + fy) / 2);
          break;
        case kEffectHShade:  // a three-colour shade in steps of the granularity
          c = Ramp3(begin, middle, end, ((x / grain) * grain + 0.5) / w);
          break;
        case kEffectVShade:
          c = Ramp3(begin, middle, end, ((y / grain) * grain + 0.5) / h);
          break;
        case kEffectHBump:  // raised in the middle, sunk at the sides
          c = Mix(begin, end, std::sin(kPi * fx));
          break;
        case kEffectVBump:
          c = Mix(begin, end, std::sin(kPi * fy));
          break;
        case kEffectSoftBump:
          c = Mix(begin, end, std::sin(kPi * fx) * std::sin(kPi * fy));
          break;
        case kEffectHardBump: {  // a flat face inside a bevel as wide as the granularity
          int edge = std::min(std::min(x, width - 1 - x), std::min(y, height - 1 - y));
          bool lit = x + y < width - 1 - x + height - 1 - y;
          c = edge >= grain ? Mix(begin, end, 1.0) : Mix(lit ? middle : begin, end, edge / double(grain));
          break;
        }
        default:  // metal: bright and dark bands across, brushed row by row
          c = Ramp3(begin, middle, end, 0.5 - 0.35 * std::cos(2 * kPi * fx) + (rowNoise - 0.5) * 0.2);
          break;
      }
      pixels[static_cast<size_t>(y) * width + x] = c;
    }
  }
  return pixels;
}

}  // namespace lizhi::tip
