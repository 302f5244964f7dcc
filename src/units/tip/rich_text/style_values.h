// Reading the values of tag attributes and style declarations: numbers,
// lengths, colours and keywords. An empty or malformed value keeps the
// current one, so every reader takes the current value and returns the new.
#pragma once
#include <optional>
#include <string_view>

#include "units/tip/rich_text/colour_table.h"
#include "units/tip/rich_text/measurer.h"

namespace lizhi::tip {

constexpr int kMaxLength = 32767;
constexpr int kMaxFontHeight = 512;

// A decimal number (with an optional fraction) or 0x hexadecimal at the start
// of text; nothing when text does not start with one. Clamped to ±2^31.
std::optional<double> ReadNumber(std::string_view text, size_t* used = nullptr);
// An integer clamped to [low, high], or fallback when text holds none.
int ReadInt(std::string_view text, int fallback, int low, int high);

struct LengthContext {
  Measurer* measurer = nullptr;  // for "ex" and the dots per inch
  const FontKey* font = nullptr;
};

// Lengths in px, ex, em, in, cm, mm, pt, pc, percent of the current value, or
// plain numbers; the result is clamped to ±32767.
int ReadLength(std::string_view value, int current, const LengthContext& context);
// A font size: a bare number 1 to 7 picks from the classic size steps,
// anything else is a length. Clamped to 1..512 pixels.
int ReadFontSize(std::string_view value, int current, const LengthContext& context);
int FontSizeStep(int step);  // 1..7 -> 8, 10, 12, 14, 18, 24, 36

// "#rrggbb", a number taken as a colour value, or a name of the table.
std::optional<Colour> ReadColour(std::string_view value, const ColourTable& colours);

// An effect number from its name or a number; nothing for neither.
std::optional<int> ReadEffect(std::string_view value);

}  // namespace lizhi::tip
