// The style in force at a point of the markup, and the stack that follows the
// nesting of tags.
#pragma once
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace lizhi::tip {

using Colour = uint32_t;  // 0x00BBGGRR

constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 | static_cast<Colour>(b & 0xFF) << 16;
}

enum class HAlign : uint8_t { Left = 0, Center = 1, Right = 2 };
enum class VAlign : uint8_t { Top = 0, Middle = 1, Bottom = 2, Baseline = 3 };
enum class Transform : uint8_t { None = 0, Uppercase = 1, Lowercase = 2, Capitalize = 3 };

constexpr int kFaceSize = 32;  // with the terminator, as the platform's font record holds it
constexpr int kTransparentEffect = -1;

// What a font is made from; equal keys give the same font.
struct FontKey {
  int height = 16;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  char face[kFaceSize] = "Verdana";

  void SetFace(std::string_view name);
  friend bool operator==(const FontKey& a, const FontKey& b) {
    return a.height == b.height && a.weight == b.weight && a.italic == b.italic && a.underline == b.underline &&
           a.strikeout == b.strikeout && std::strcmp(a.face, b.face) == 0;
  }
};

struct TextStyle {
  const char* effect = "";  // name of the tag effect that pushed this record (static text)
  FontKey font;
  bool overline = false;
  Colour textColour = 0;
  Colour backColour = 0xFFFFFF;
  Colour borderLight = 0;
  Colour borderDark = 0;
  Colour backMiddle = 0xFFFFFF;
  Colour backEnd = 0xFFFFFF;
  int backEffect = kTransparentEffect;
  int borderStyle = 0;
  int borderWidth = 0;
  bool opaque = false;
  HAlign align = HAlign::Left;
  VAlign valign = VAlign::Baseline;
  Transform transform = Transform::None;
  int margin[4] = {2, 2, 2, 2};   // left, top, right, bottom
  int padding[4] = {0, 0, 0, 0};  // left, top, right, bottom
  int link = -1;                  // index of the link this text belongs to
};

// Opening tags push a copy of the current style; a closing tag pops only when
// the innermost pushed record carries its effect name (a closing "em" closes
// an open "i", a stray closing tag changes nothing). Depth is bounded so that
// markup cannot exhaust memory: beyond it opening tags are refused.
class StyleStack {
 public:
  static constexpr size_t kMaxDepth = 256;
  StyleStack() { stack_.reserve(32); }
  TextStyle& Current() { return current_; }
  const TextStyle& Current() const { return current_; }
  // Saves the current style and names the effect that will change it.
  bool Push(const char* effect);
  bool Pop(std::string_view effect);
  size_t Depth() const { return stack_.size(); }
  // Restores the style saved at the given depth (the structure of a table is
  // closed whatever tags were left open inside it).
  void RestoreTo(size_t depth);

 private:
  TextStyle current_;
  std::vector<TextStyle> stack_;
};

}  // namespace lizhi::tip
