// The tag table: what each tag of tip markup does to the style, the line or
// the table structure.
#include <algorithm>
#include <string_view>

#include "units/tip/rich_text/layout_builder.h"
#include "units/tip/rich_text/text_bytes.h"

namespace lizhi::tip {
namespace {

using Builder = LayoutBuilder;

std::optional<Colour> AttributeColour(Builder& b, const Token& tag, std::string_view name) {
  std::string_view v = tag.Value(name);
  if (v.empty()) return std::nullopt;
  return ReadColour(v, b.context().colours);
}

// "<br 3>", "<br=3>" or "<br count=3>": the first attribute gives the count.
int RepeatCount(const Token& tag) {
  if (tag.attributes.empty()) return 1;
  const Attribute& a = tag.attributes.front();
  int n = ReadInt(a.name, 0, 0, kMaxRepeat);
  if (n == 0) n = ReadInt(a.value, 1, 1, kMaxRepeat);
  return std::clamp(n, 1, kMaxRepeat);
}

void Bold(Builder& b, const Token&) {
  int& weight = b.style().font.weight;
  weight = std::min(weight * 2, 900);
}
void Italic(Builder& b, const Token&) { b.style().font.italic = !b.style().font.italic; }
void Underline(Builder& b, const Token&) { b.style().font.underline = !b.style().font.underline; }
void Strikeout(Builder& b, const Token&) { b.style().font.strikeout = !b.style().font.strikeout; }

void Font(Builder& b, const Token& tag) {
  TextStyle& s = b.style();
  if (const Attribute* face = tag.Find("face"); face && !face->value.empty()) s.font.SetFace(face->value);
  if (const Attribute* size = tag.Find("size")) s.font.height = ReadFontSize(size->value, s.font.height, b.Lengths());
  if (auto c = AttributeColour(b, tag, "color")) s.textColour = *c;
  std::string_view letters = tag.Value("style");
  bool set = true;
  for (char c : letters) {
    if (c == '+' || c == '-') {
      set = c == '+';
      continue;
    }
    if (c == 'b') s.font.weight = set ? 700 : 400;
    if (c == 'i') s.font.italic = set;
    if (c == 'o') s.overline = set;
    if (c == 's') s.font.strikeout = set;
    if (c == 'u') s.font.underline = set;
  }
  if (const Attribute* weight = tag.Find("weight")) s.font.weight = ReadInt(weight->value, s.font.weight, 0, 1000);
  std::string_view back = tag.Value("bkgnd");
  if (back == "transparent") {
    s.opaque = false;
  } else if (auto c = AttributeColour(b, tag, "bkgnd")) {
    s.opaque = true;
    s.backColour = *c;
  }
}

void HAlignLeft(Builder& b, const Token&) { b.style().align = HAlign::Left; }
void HAlignCenter(Builder& b, const Token&) { b.style().align = HAlign::Center; }
void HAlignRight(Builder& b, const Token&) { b.style().align = HAlign::Right; }
void VAlignTop(Builder& b, const Token&) { b.style().valign = VAlign::Top; }
void VAlignMiddle(Builder& b, const Token&) { b.style().valign = VAlign::Middle; }
void VAlignBottom(Builder& b, const Token&) { b.style().valign = VAlign::Bottom; }
void VAlignBaseline(Builder& b, const Token&) { b.style().valign = VAlign::Baseline; }

void Rule(Builder& b, const Token& tag) {
  RuleLine rule;
  std::string_view width = tag.Value("width");
  if (!width.empty()) {
    rule.percent = width.back() == '%';
    rule.width = ReadInt(rule.percent ? width.substr(0, width.size() - 1) : width, 100, 0, kMaxLength);
    if (rule.percent) rule.width = std::min(rule.width, 100);
  }
  rule.size = ReadInt(tag.Value("size"), 1, 0, kMaxFontHeight);
  rule.colour = AttributeColour(b, tag, "color").value_or(b.style().textColour);
  b.AddRule(rule);
}

void LineBreak(Builder& b, const Token& tag) { b.NewLines(RepeatCount(tag)); }
void TabStop(Builder& b, const Token& tag) { b.Tab(RepeatCount(tag)); }

void Image(Builder& b, const Token& tag, ImageRequest::Kind kind, bool fromList) {
  ImageRequest image;
  image.kind = kind;
  if (const Attribute* handle = tag.Find("handle")) {
    image.source = ImageRequest::Source::Handle;
    image.handle = static_cast<uintptr_t>(ReadNumber(handle->value).value_or(0));
  } else if (const Attribute* file = tag.Find("file")) {
    image.source = ImageRequest::Source::File;
    image.path = file->raw;
  } else if (const Attribute* library = tag.Find("srcdll")) {
    image.source = ImageRequest::Source::LibraryResource;
    image.path = library->raw;
    image.resourceId = ReadInt(tag.Value("iddll"), 0, 0, 65535);
  } else if (tag.Find("idres")) {
    image.source = ImageRequest::Source::ProgramResource;
    image.resourceId = ReadInt(tag.Value("idres"), 0, 0, 65535);
  } else if (fromList) {
    image.source = ImageRequest::Source::ImageList;
  }
  image.index = ReadInt(tag.Value("index"), 0, 0, 65535);
  if (auto mask = AttributeColour(b, tag, "mask")) image.mask = *mask;
  image.cx = ReadInt(tag.Value("cx"), 0, 0, kMaxImageSide);
  image.cy = ReadInt(tag.Value("cy"), 0, 0, kMaxImageSide);
  image.style = std::string(tag.Value("style"));
  image.hotStyle = std::string(tag.Value("hotstyle"));
  if (image.source == ImageRequest::Source::None) return;
  b.AddImage(std::move(image), tag);
}

void Bitmap(Builder& b, const Token& tag) { Image(b, tag, ImageRequest::Kind::Bitmap, false); }
void Icon(Builder& b, const Token& tag) { Image(b, tag, ImageRequest::Kind::Icon, false); }
void ListImage(Builder& b, const Token& tag) { Image(b, tag, ImageRequest::Kind::Bitmap, true); }
void NoImage(Builder&, const Token&) {}  // "string": a recognised name that draws nothing

void SheetTag(Builder& b, const Token& tag) { b.ApplySelector(tag.name); }

void Span(Builder& b, const Token& tag) {
  std::string_view name = tag.Value("class");
  if (!name.empty()) b.ApplySelector("." + std::string(name));
}

void Anchor(Builder& b, const Token& tag) {
  Link link;
  const Attribute* address = tag.Find("href");
  if (!address) address = tag.Find("url");
  const Attribute* event = tag.Find("msg");
  if (!event) event = tag.Find("event");
  if (address) {
    link = {1, address->raw};  // a web address keeps its case
  } else if (event) {
    link = {2, event->value};
  } else {
    link = {0, ""};
  }
  int index = b.AddLink(std::move(link));
  b.style().link = index;
  b.ApplySelector(index == b.context().hoveredLink ? "a:hover" : "a:link");
}

void TableTag(Builder& b, const Token& tag) { b.OpenTable(tag); }
void RowTag(Builder& b, const Token& tag) { b.OpenRow(tag); }
void CellTag(Builder& b, const Token& tag) { b.OpenCell(tag); }

struct TagEntry {
  const char* name;
  const char* effect;  // recorded in the pushed style; null: the tag pushes nothing
  void (*open)(Builder&, const Token&);
};

// Sorted by name.
constexpr TagEntry kTags[] = {
    {"a", "link", Anchor},
    {"b", "bold", Bold},
    {"baseline", "baseline", VAlignBaseline},
    {"big", "big", SheetTag},
    {"bmp", nullptr, Bitmap},
    {"body", "body", SheetTag},
    {"bottom", "bottom", VAlignBottom},
    {"br", nullptr, LineBreak},
    {"center", "center", HAlignCenter},
    {"code", "code", SheetTag},
    {"div", "div", SheetTag},
    {"em", "italic", Italic},
    {"font", "font", Font},
    {"h1", "h1", SheetTag},
    {"h2", "h2", SheetTag},
    {"h3", "h3", SheetTag},
    {"h4", "h4", SheetTag},
    {"h5", "h5", SheetTag},
    {"h6", "h6", SheetTag},
    {"hr", nullptr, Rule},
    {"i", "italic", Italic},
    {"icon", nullptr, Icon},
    {"ilst", nullptr, ListImage},
    {"image", nullptr, Bitmap},
    {"left", "left", HAlignLeft},
    {"middle", "middle", VAlignMiddle},
    {"p", "p", SheetTag},
    {"pre", "pre", SheetTag},
    {"right", "right", HAlignRight},
    {"s", "strikeout", Strikeout},
    {"small", "small", SheetTag},
    {"span", "span", Span},
    {"strike", "strikeout", Strikeout},
    {"string", nullptr, NoImage},
    {"sub", "sub", SheetTag},
    {"sup", "sup", SheetTag},
    {"t", nullptr, TabStop},
    {"table", nullptr, TableTag},
    {"td", nullptr, CellTag},
    {"top", "top", VAlignTop},
    {"tr", nullptr, RowTag},
    {"u", "underline", Underline},
    {"vcenter", "middle", VAlignMiddle},
};

const TagEntry* FindTag(std::string_view name) {
  auto it = std::lower_bound(std::begin(kTags), std::end(kTags), name,
                             [](const TagEntry& e, std::string_view n) { return std::string_view(e.name) < n; });
  return it != std::end(kTags) && it->name == name ? it : nullptr;
}

}  // namespace

void ApplyCellAttributes(LayoutBuilder& b, const Token& tag) {
  TextStyle& s = b.style();
  LengthContext lengths = b.Lengths();
  if (const Attribute* border = tag.Find("border")) {
    s.borderWidth = std::clamp(ReadLength(border->value, s.borderWidth, lengths), 0, 64);
    if (s.borderWidth != 0) s.borderStyle = 1;
  }
  if (const Attribute* style = tag.Find("borderstyle")) {
    ApplyDeclarations("border-style:" + style->value, s, b.context().colours, &b.context().measurer);
  }
  if (auto c = AttributeColour(b, tag, "bordercolor")) s.borderLight = s.borderDark = *c;
  if (auto c = AttributeColour(b, tag, "bordercolorlight")) s.borderLight = *c;
  if (auto c = AttributeColour(b, tag, "bordercolordark")) s.borderDark = *c;
  if (auto c = AttributeColour(b, tag, "bgcolor")) {
    s.backColour = *c;
    s.backEffect = 0;
  }
  if (auto c = AttributeColour(b, tag, "bgmidcolor")) s.backMiddle = *c;
  if (auto c = AttributeColour(b, tag, "bgendcolor")) s.backEnd = *c;
  if (auto effect = ReadEffect(tag.Value("bgeffect"))) s.backEffect = *effect;
  std::string_view align = tag.Value("align");
  if (align == "left") s.align = HAlign::Left;
  if (align == "center") s.align = HAlign::Center;
  if (align == "right") s.align = HAlign::Right;
  if (const Attribute* valign = tag.Find("valign")) {
    ApplyDeclarations("vertical-align:" + valign->value, s, b.context().colours, &b.context().measurer);
  }
  if (const Attribute* padding = tag.Find("cellpadding")) {
    int p = std::clamp(ReadLength(padding->value, s.padding[0], lengths), 0, kMaxLength);
    std::fill(std::begin(s.padding), std::end(s.padding), p);
  }
  if (const Attribute* spacing = tag.Find("cellspacing")) {
    int m = std::clamp(ReadLength(spacing->value, s.margin[0], lengths), 0, kMaxLength);
    std::fill(std::begin(s.margin), std::end(s.margin), m);
  }
}

bool RunTag(LayoutBuilder& b, const Token& tag) {
  const TagEntry* entry = FindTag(tag.name);
  if (!entry) return false;
  if (tag.closing) {
    if (entry->open == TableTag) b.CloseTable();
    if (entry->open == RowTag) b.CloseRow();
    if (entry->open == CellTag) b.CloseCell();
    if (entry->effect) b.styles().Pop(entry->effect);
    return true;
  }
  if (entry->effect && !b.styles().Push(entry->effect)) return true;  // nested too deep
  entry->open(b, tag);
  return true;
}

}  // namespace lizhi::tip
