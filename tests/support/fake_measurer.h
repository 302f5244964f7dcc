// A measurer with fixed figures for laying out tip markup natively: a byte is
// half the font height wide, ascent is four fifths of the height, images have
// the sizes they are given.
#pragma once
#include <cstdlib>
#include <string_view>

#include "units/tip/rich_text/colour_table.h"
#include "units/tip/rich_text/measurer.h"

namespace lizhi::test {

class FakeMeasurer : public tip::Measurer {
 public:
  tip::Size TextExtent(const tip::FontKey& font, std::string_view text) override {
    int h = std::abs(font.height);
    return {static_cast<int>(text.size()) * (h / 2), h};
  }
  tip::FontMetrics Metrics(const tip::FontKey& font) override {
    int h = std::abs(font.height);
    return {h * 4 / 5, h - h * 4 / 5};
  }
  int DpiY() override { return dpi; }
  std::optional<tip::Size> ImageSize(const tip::ImageRequest& image) override {
    if (image.source == tip::ImageRequest::Source::File && image.path == "missing.bmp") return std::nullopt;
    if (image.kind == tip::ImageRequest::Kind::Icon) return tip::Size{32, 32};
    return tip::Size{16, 16};
  }
  int dpi = 96;
};

// System colours as their index in the blue byte, so a test can tell them apart.
class FakeSystemColours : public tip::SystemColours {
 public:
  tip::Colour Get(int index) const override { return static_cast<tip::Colour>(index) << 16 | 0x0101; }
};

}  // namespace lizhi::test
