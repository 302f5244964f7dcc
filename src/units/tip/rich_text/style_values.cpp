#include "units/tip/rich_text/style_values.h"

#include <algorithm>
#include <cmath>

#include "units/tip/rich_text/text_bytes.h"

namespace lizhi::tip {
namespace {

constexpr double kNumberLimit = 2147483647.0;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int ClampRound(double v, int low, int high) {
  if (!(v == v)) return low;  // not a number
  v = std::round(v);
  if (v < low) return low;
  if (v > high) return high;
  return static_cast<int>(v);
}

struct Unit {
  const char* name;
  double perInch;  // 0: not a device unit
};
// Units converted through the device's vertical dots per inch.
constexpr Unit kInchUnits[] = {
    {"in", 1.0}, {"cm", 0.3937007874}, {"mm", 0.03937007874}, {"pt", 1.0 / 72}, {"pc", 1.0 / 6},
};

constexpr const char* kEffectNames[] = {
    "transparent", "solid",  "hgradient", "vgradient", "hcgradient", "vcgradient", "3hgradient", "3vgradient", "noise",
    "diagshade",   "hshade", "vshade",    "hbump",     "vbump",      "softbump",   "hardbump",   "metal",
};

}  // namespace

std::optional<double> ReadNumber(std::string_view text, size_t* used) {
  size_t pos = 0;
  double value = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && HexDigit(text[2]) >= 0) {
    pos = 2;
    while (pos < text.size() && HexDigit(text[pos]) >= 0) {
      value = std::min(value * 16 + HexDigit(text[pos]), 4294967295.0);
      ++pos;
    }
  } else {
    bool digits = false;
    while (pos < text.size() && IsAsciiDigit(text[pos])) {
      value = std::min(value * 10 + (text[pos] - '0'), 1e12);
      ++pos;
      digits = true;
    }
    if (pos < text.size() && text[pos] == '.') {
      double scale = 0.1;
      ++pos;
      while (pos < text.size() && IsAsciiDigit(text[pos])) {
        value += (text[pos] - '0') * scale;
        scale /= 10;
        digits = true;
        ++pos;
      }
    }
    if (!digits) return std::nullopt;
    value = std::min(value, kNumberLimit);
  }
  if (used) *used = pos;
  return value;
}

int ReadInt(std::string_view text, int fallback, int low, int high) {
  text = Trim(text);
  bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  std::optional<double> n = ReadNumber(text);
  if (!n) return fallback;
  return ClampRound(negative ? -*n : *n, low, high);
}

int ReadLength(std::string_view value, int current, const LengthContext& context) {
  value = Trim(value);
  if (value.empty()) return current;
  if (value.back() == '%') {
    std::optional<double> n = ReadNumber(value.substr(0, value.size() - 1));
    if (!n) return current;
    return ClampRound(current * *n / 100.0, -kMaxLength, kMaxLength);
  }
  if (value[0] == '+' || value[0] == '-') value.remove_prefix(1);
  std::string_view unit = value.size() >= 2 ? value.substr(value.size() - 2) : std::string_view();
  std::string_view number = value;
  double scale = 1;
  bool known = true;
  int fontHeight = context.font ? std::abs(context.font->height) : 16;
  if (unit == "px") {
  } else if (unit == "em") {
    scale = fontHeight;
  } else if (unit == "ex") {
    // The height of "x" in the current font.
    scale = context.measurer && context.font ? context.measurer->TextExtent(*context.font, "x").cy : fontHeight / 2;
  } else {
    known = false;
    for (const Unit& u : kInchUnits) {
      if (unit == u.name) {
        scale = u.perInch * (context.measurer ? context.measurer->DpiY() : 96);
        known = true;
      }
    }
  }
  if (known) number = value.substr(0, value.size() - 2);
  size_t used = 0;
  std::optional<double> n = ReadNumber(number, &used);
  if (!n) return current;
  return ClampRound(*n * scale, -kMaxLength, kMaxLength);
}

int FontSizeStep(int step) {
  static constexpr int kSteps[] = {8, 10, 12, 14, 18, 24, 36};
  return kSteps[std::clamp(step, 1, 7) - 1];
}

int ReadFontSize(std::string_view value, int current, const LengthContext& context) {
  std::string_view v = Trim(value);
  if (!v.empty() && (v[0] == '+' || v[0] == '-')) v.remove_prefix(1);
  if (v.size() == 1 && v[0] >= '1' && v[0] <= '7') return FontSizeStep(v[0] - '0');
  int height = ReadLength(value, current, context);
  return std::clamp(std::abs(height), 1, kMaxFontHeight);
}

std::optional<Colour> ReadColour(std::string_view value, const ColourTable& colours) {
  value = Trim(value);
  if (value.empty()) return std::nullopt;
  if (value.size() == 7 && value[0] == '#') {
    int part[3];
    for (int i = 0; i < 3; ++i) {
      int hi = HexDigit(value[1 + 2 * i]);
      int lo = HexDigit(value[2 + 2 * i]);
      if (hi < 0 || lo < 0) return std::nullopt;
      part[i] = hi * 16 + lo;
    }
    return Rgb(part[0], part[1], part[2]);
  }
  if (IsAsciiDigit(value[0])) {
    std::optional<double> n = ReadNumber(value);
    if (!n) return std::nullopt;
    return static_cast<Colour>(static_cast<uint32_t>(std::min(*n, 4294967295.0)));
  }
  return colours.Find(value);
}

std::optional<int> ReadEffect(std::string_view value) {
  value = Trim(value);
  for (size_t i = 0; i < std::size(kEffectNames); ++i) {
    if (value == kEffectNames[i]) return static_cast<int>(i) - 1;
  }
  if (value.empty()) return std::nullopt;
  int sign = value[0] == '-' ? -1 : 1;
  if (value[0] == '-' || value[0] == '+') value.remove_prefix(1);
  std::optional<double> n = ReadNumber(value);
  if (!n) return std::nullopt;
  return ClampRound(sign * *n, -1, 1000);
}

}  // namespace lizhi::tip
