// Byte-level helpers for GBK text: a lead byte and its trail byte always travel
// together, so a trail byte that happens to be an ASCII letter or brace is
// never changed or taken for punctuation.
#pragma once
#include <string>
#include <string_view>

namespace lizhi::tip {

inline bool IsGbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
inline bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

inline bool IsGbkTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Length of the character starting at text[i]: 2 for a GBK pair, else 1 (a
// lead byte without a valid trail byte stands alone, so it never swallows the
// "<" or line feed after it).
inline size_t CharLength(std::string_view text, size_t i) {
  return IsGbkLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() &&
                 IsGbkTrail(static_cast<unsigned char>(text[i + 1]))
             ? 2
             : 1;
}

std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);
// Lower-cases the run, then upper-cases every letter at its start or after a space.
std::string Capitalize(std::string_view text);

std::string_view Trim(std::string_view text);

}  // namespace lizhi::tip
