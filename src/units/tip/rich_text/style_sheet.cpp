#include "units/tip/rich_text/style_sheet.h"

#include <algorithm>

#include "units/tip/rich_text/markup.h"
#include "units/tip/rich_text/text_bytes.h"

namespace lizhi::tip {
namespace {

// Position of the first of the stop characters at or after pos outside double
// quotes, stepping over GBK pairs whole; text.size() when there is none.
size_t FindOutsideQuotes(std::string_view text, size_t pos, std::string_view stops) {
  bool quoted = false;
  while (pos < text.size()) {
    char c = text[pos];
    if (c == '"') quoted = !quoted;
    if (!quoted && stops.find(c) != std::string_view::npos) return pos;
    pos += CharLength(text, pos);
  }
  return text.size();
}

struct Declaration {
  std::string_view value;  // whole value, trimmed
  std::string_view first;  // the value read as one word or quoted name
  TextStyle& style;
  const ColourTable& colours;
  LengthContext length;
};

void SetLength(const Declaration& d, int& field) { field = ReadLength(d.first, field, d.length); }

template <typename T, size_t N>
bool Keyword(std::string_view word, const std::pair<const char*, T> (&table)[N], T& field) {
  for (const auto& [name, value] : table) {
    if (word == name) {
      field = value;
      return true;
    }
  }
  return false;
}

void FontSize(const Declaration& d) { d.style.font.height = ReadFontSize(d.first, d.style.font.height, d.length); }

void FontFamily(const Declaration& d) {
  if (!d.first.empty()) d.style.font.SetFace(d.first);
}

void FontStyle(const Declaration& d) {
  static constexpr std::pair<const char*, bool> kWords[] = {
      {"", false}, {"normal", false}, {"italic", true}, {"oblique", true}};
  Keyword(d.first, kWords, d.style.font.italic);
}

void FontWeight(const Declaration& d) {
  static constexpr std::pair<const char*, int> kWords[] = {
      {"", 400}, {"normal", 400}, {"bold", 700}, {"bolder", 900}, {"lighter", 100}};
  if (!Keyword(d.first, kWords, d.style.font.weight)) {
    d.style.font.weight = ReadInt(d.first, d.style.font.weight, 0, 1000);
  }
}

void TextAlign(const Declaration& d) {
  static constexpr std::pair<const char*, HAlign> kWords[] = {
      {"", HAlign::Left}, {"left", HAlign::Left}, {"center", HAlign::Center}, {"right", HAlign::Right}};
  Keyword(d.first, kWords, d.style.align);
}

void TextTransform(const Declaration& d) {
  static constexpr std::pair<const char*, Transform> kWords[] = {{"", Transform::None},
                                                                 {"none", Transform::None},
                                                                 {"uppercase", Transform::Uppercase},
                                                                 {"lowercase", Transform::Lowercase},
                                                                 {"capitalize", Transform::Capitalize}};
  Keyword(d.first, kWords, d.style.transform);
}

void TextColour(const Declaration& d) {
  if (auto c = ReadColour(d.first, d.colours)) d.style.textColour = *c;
}

void BackgroundColour(const Declaration& d) {
  if (d.first == "transparent") {
    d.style.opaque = false;
  } else if (auto c = ReadColour(d.first, d.colours)) {
    d.style.opaque = true;
    d.style.backColour = *c;
  }
}

void TextDecoration(const Declaration& d) {
  TextStyle& s = d.style;
  if (d.value.empty()) {
    s.font.underline = s.font.strikeout = s.overline = false;
    return;
  }
  size_t pos = 0;
  while (pos < d.value.size()) {
    size_t end = pos;
    while (end < d.value.size() && d.value[end] != ' ' && d.value[end] != ',') ++end;
    std::string_view word = d.value.substr(pos, end - pos);
    if (word == "none") s.font.underline = s.font.strikeout = s.overline = false;
    if (word == "underline") s.font.underline = true;
    if (word == "line-through") s.font.strikeout = true;
    if (word == "overline") s.overline = true;
    pos = end + 1;
  }
}

void VerticalAlign(const Declaration& d) {
  static constexpr std::pair<const char*, VAlign> kWords[] = {
      {"", VAlign::Baseline},      {"baseline", VAlign::Baseline}, {"middle", VAlign::Middle},
      {"vcenter", VAlign::Middle}, {"top", VAlign::Top},           {"bottom", VAlign::Bottom}};
  Keyword(d.first, kWords, d.style.valign);
}

void BorderColour(const Declaration& d) {
  if (auto c = ReadColour(d.first, d.colours)) d.style.borderLight = d.style.borderDark = *c;
}

void BorderWidth(const Declaration& d) {
  static constexpr std::pair<const char*, int> kPercent[] = {{"thin", 75}, {"medium", 100}, {"thick", 125}};
  int percent = 0;
  if (Keyword(d.first, kPercent, percent)) {
    d.style.borderWidth = d.style.borderWidth * percent / 100;
  } else {
    d.style.borderWidth = std::clamp(ReadLength(d.first, d.style.borderWidth, d.length), 0, 64);
  }
}

void BorderStyle(const Declaration& d) {
  static constexpr std::pair<const char*, int> kWords[] = {{"", 0},       {"none", 0},   {"solid", 1},
                                                           {"dashed", 2}, {"dotted", 3}, {"double", 6}};
  Keyword(d.first, kWords, d.style.borderStyle);
}

void MarginLeft(const Declaration& d) { SetLength(d, d.style.margin[0]); }
void MarginTop(const Declaration& d) { SetLength(d, d.style.margin[1]); }
void MarginRight(const Declaration& d) { SetLength(d, d.style.margin[2]); }
void MarginBottom(const Declaration& d) { SetLength(d, d.style.margin[3]); }
void PaddingLeft(const Declaration& d) { SetLength(d, d.style.padding[0]); }
void PaddingTop(const Declaration& d) { SetLength(d, d.style.padding[1]); }
void PaddingRight(const Declaration& d) { SetLength(d, d.style.padding[2]); }
void PaddingBottom(const Declaration& d) { SetLength(d, d.style.padding[3]); }

struct Property {
  const char* name;
  void (*apply)(const Declaration&);
};
constexpr Property kProperties[] = {
    {"font-size", FontSize},
    {"font-family", FontFamily},
    {"font-style", FontStyle},
    {"font-weight", FontWeight},
    {"text-align", TextAlign},
    {"text-transform", TextTransform},
    {"color", TextColour},
    {"background-color", BackgroundColour},
    {"text-decoration", TextDecoration},
    {"vertical-align", VerticalAlign},
    {"border-color", BorderColour},
    {"border-width", BorderWidth},
    {"size", BorderWidth},
    {"border-style", BorderStyle},
    {"margin-left", MarginLeft},
    {"margin-top", MarginTop},
    {"margin-right", MarginRight},
    {"margin-bottom", MarginBottom},
    {"padding-left", PaddingLeft},
    {"padding-top", PaddingTop},
    {"padding-right", PaddingRight},
    {"padding-bottom", PaddingBottom},
};

}  // namespace

void StyleTable::Parse(const char* sheet) { Parse(sheet ? std::string_view(sheet) : std::string_view()); }

void StyleTable::Parse(std::string_view sheet) {
  entries_.clear();
  size_t pos = 0;
  while (pos < sheet.size()) {
    size_t open = FindOutsideQuotes(sheet, pos, "{");
    if (open >= sheet.size()) break;
    size_t close = FindOutsideQuotes(sheet, open + 1, "}");
    std::string selectors = AsciiLower(sheet.substr(pos, open - pos));
    std::string declarations(sheet.substr(open + 1, std::min(close, sheet.size()) - open - 1));
    std::string_view list(selectors);
    size_t start = 0;
    while (start <= list.size()) {
      size_t comma = list.find(',', start);
      if (comma == std::string_view::npos) comma = list.size();
      std::string_view name = Trim(list.substr(start, comma - start));
      if (!name.empty()) entries_[std::string(name)] = declarations;
      start = comma + 1;
    }
    pos = close + 1;
  }
}

const std::string* StyleTable::Find(std::string_view selector) const {
  auto it = entries_.find(selector);
  return it == entries_.end() ? nullptr : &it->second;
}

void ApplyDeclarations(std::string_view text, TextStyle& style, const ColourTable& colours, Measurer* measurer) {
  // Names and keywords match without regard to case.
  const std::string lower = AsciiLower(text);
  std::string_view declarations(lower);
  size_t pos = 0;
  while (pos < declarations.size()) {
    size_t end = FindOutsideQuotes(declarations, pos, ";");
    std::string_view item = declarations.substr(pos, end - pos);
    pos = end + 1;
    size_t colon = item.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view name = Trim(item.substr(0, colon));
    const Property* property = nullptr;
    for (const Property& p : kProperties) {
      if (name == p.name) property = &p;
    }
    if (!property) continue;
    std::string_view value = Trim(item.substr(colon + 1));
    size_t at = 0;
    std::string_view first = ReadValue(value, at, ";,");
    Declaration d{value, first, style, colours, LengthContext{measurer, &style.font}};
    property->apply(d);
  }
}

}  // namespace lizhi::tip
