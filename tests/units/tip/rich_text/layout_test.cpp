#include "units/tip/rich_text/layout.h"

#include <gtest/gtest.h>

#include <random>

#include "support/rich_text_layout.h"

namespace lizhi::tip {
namespace {

using test::Joined;
using test::OpsOf;
using test::RichTextRig;
using test::Texts;

std::optional<TextOp> FindText(const std::vector<TextOp>& texts, std::string_view text) {
  for (const TextOp& t : texts) {
    if (t.text == text) return t;
  }
  return std::nullopt;
}

// The body is 9pt = 12 px in the default sheet: a byte is 6 px wide.
TEST(RichTextLayout, EdgeCasesOfTheMarkup) {
  RichTextRig rig;
  EXPECT_EQ(Joined(rig.Arrange("&amp;lt;")), "&lt;");
  auto colourOf = [&](const char* markup) { return Texts(rig.Arrange(markup)).back().colour; };
  EXPECT_EQ(colourOf("<font color=#ff0000>x</font>"), Rgb(255, 0, 0));
  EXPECT_EQ(colourOf("<font color=red>x</font>"), Rgb(255, 0, 0));
  EXPECT_EQ(colourOf("<font color=red><font color=nosuch>x</font></font>"), Rgb(255, 0, 0));
  EXPECT_EQ(Texts(rig.Arrange("<b><b>x</b></b>")).back().font.weight, 900);
  EXPECT_EQ(Texts(rig.Arrange("<b>x</b>")).back().font.weight, 800);
  // A byte at 16 px is 8 px wide: five bytes end at 40, eight at 64.
  auto xOfMark = [&](const char* markup) { return FindText(Texts(rig.Arrange(markup, {10, 0, 400, 50})), "X")->x; };
  EXPECT_EQ(xOfMark("<font size=16px>12345<t>X"), 10 + 64);
  EXPECT_EQ(xOfMark("<font size=16px>12345678<t>X"), 10 + 96);
  EXPECT_EQ(xOfMark("<font size=16px>12345678\tX"), 10 + 96);
  EXPECT_EQ(xOfMark("<font size=16px><t 3>X"), 10 + 96);
  DrawList link = rig.Arrange("<a msg=ShowMore>go</a> <a href=\"HTTP://Example.COM/A?B=C\">web</a>");
  ASSERT_EQ(link.links.size(), 2u);
  EXPECT_EQ(link.links[0].kind, 2);
  EXPECT_EQ(link.links[0].target, "showmore");
  EXPECT_EQ(link.links[1].kind, 1);
  EXPECT_EQ(link.links[1].target, "HTTP://Example.COM/A?B=C");
  EXPECT_EQ(Texts(rig.Arrange("x")).back().font.height, 12);
  std::vector<TextOp> lines = Texts(rig.Arrange("one\ntwo\r\nthree"));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].y - lines[0].y, 12);
  EXPECT_EQ(lines[2].y - lines[1].y, 12);
  EXPECT_EQ(rig.Measure("one\ntwo\r\nthree"), (Size{30, 36}));
  EXPECT_EQ(rig.Measure(std::string(200, 'w')), (Size{1200, 12}));  // never wrapped
}

TEST(RichTextLayout, ClosingTagsPopOnlyTheirOwnEffect) {
  RichTextRig rig;
  std::vector<TextOp> t = Texts(rig.Arrange("<i>a</em>b"));
  EXPECT_TRUE(t[0].font.italic);
  EXPECT_FALSE(t[1].font.italic);  // a closing em closes an open i
  t = Texts(rig.Arrange("<b>a</i>b</font></b>c"));
  EXPECT_EQ(t[1].font.weight, 800);  // stray closing tags change nothing
  EXPECT_EQ(t[2].font.weight, 400);
  t = Texts(rig.Arrange("<u><s>a</u>b</s>c</u>d"));
  EXPECT_TRUE(t[1].font.underline && t[1].font.strikeout);  // </u> was not innermost
  EXPECT_TRUE(t[2].font.underline && !t[2].font.strikeout);
  EXPECT_FALSE(t[3].font.underline || t[3].font.strikeout);
  t = Texts(rig.Arrange("<font style=+b+i-i+u+s size=2 face=arial bkgnd=yellow>a</font>"));
  EXPECT_EQ(t[0].font.weight, 700);
  EXPECT_FALSE(t[0].font.italic);
  EXPECT_TRUE(t[0].font.underline && t[0].font.strikeout && t[0].opaque);
  EXPECT_EQ(t[0].font.height, 10);
  EXPECT_STREQ(t[0].font.face, "arial");
  EXPECT_EQ(t[0].back, Rgb(255, 255, 0));
}

TEST(RichTextLayout, AlignmentRulesAndImages) {
  RichTextRig rig;
  DrawList list = rig.Arrange("<center>ab</center>\n<right>cd</right>\n<hr width=50% size=2 color=red>e");
  std::vector<TextOp> t = Texts(list);
  EXPECT_EQ(t[0].x, (400 - 12) / 2);
  EXPECT_EQ(t[1].x, 400 - 12);
  std::vector<RuleOp> rules = OpsOf<RuleOp>(list);
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].rect, (Rect{100, 24 + 4, 300, 24 + 6}));  // centred in a line of size + 8
  EXPECT_EQ(rules[0].colour, Rgb(255, 0, 0));
  EXPECT_EQ(t[2].y, 24 + 10);

  list = rig.Arrange("a<icon idres=3 style=g>b<bmp file=missing.bmp>c<bmp idres=1 width=200% height=5000>",
                     {0, 0, 400, 2000});
  std::vector<ImageOp> images = OpsOf<ImageOp>(list);
  ASSERT_EQ(images.size(), 2u);  // the missing one takes no space
  EXPECT_EQ(images[0].rect, (Rect{6, kMaxImageSide - 32, 38, kMaxImageSide}));
  EXPECT_EQ(images[0].image.style, "g");
  EXPECT_EQ(images[1].rect, (Rect{50, 0, 50 + 32, kMaxImageSide}));
  EXPECT_EQ(Texts(list)[2].x, 6 + 32 + 6);
  // The text's baseline meets the bottom of the tallest image.
  EXPECT_EQ(Texts(list)[0].y + 12 * 4 / 5, kMaxImageSide);
}

TEST(RichTextLayout, LinksRecordTheirAreasAndHoverStyle) {
  RichTextRig rig;
  DrawList list = rig.Arrange("ab<a msg=x>cd<b>e</b></a>f", {5, 5, 200, 50});
  ASSERT_EQ(list.areas.size(), 2u);
  EXPECT_EQ(list.areas[0].rect, (Rect{5 + 12, 5, 5 + 24, 5 + 12}));
  EXPECT_EQ(list.areas[1].link, 0);
  EXPECT_FALSE(Texts(list)[1].font.underline);
  EXPECT_EQ(Texts(list)[1].colour, Rgb(0, 0, 255));
  rig.hovered = 0;
  EXPECT_TRUE(Texts(rig.Arrange("ab<a msg=x>cd</a>")).back().font.underline);
}

TEST(RichTextLayout, NumbersInMarkupAreClamped) {
  RichTextRig rig;
  EXPECT_EQ(rig.Measure("a<br 1000>b").cy, 100 * 12 + 12);
  EXPECT_EQ(FindText(Texts(rig.Arrange("<t 1000>x", {0, 0, 10000, 10})), "x")->x, 100 * 32);
  EXPECT_EQ(Texts(rig.Arrange("<font size=99999px>x")).back().font.height, 512);
  EXPECT_EQ(Texts(rig.Arrange("<font weight=5000>x")).back().font.weight, 1000);
  std::string deep;
  for (int i = 0; i < 20; ++i) deep += "<table border=1><tr><td>";
  DrawList list = rig.Arrange(deep + "x");
  EXPECT_EQ(OpsOf<BorderOp>(list).size(), 2u * 16);  // 16 tables, each with its cell
  EXPECT_EQ(Joined(list), "x");
  std::string bolds;
  for (int i = 0; i < 100000; ++i) bolds += "<b><i>";
  EXPECT_EQ(Joined(rig.Arrange(bolds + "y")), "y");
  EXPECT_LE(rig.Measure(std::string(5000, '\t') + "<t 100><t 100><t 100>").cx, 32767);
}

TEST(RichTextLayout, TablesSizeColumnsAndSpans) {
  RichTextRig rig;
  // A table starts from a fresh style: 16 px, a byte 8 px wide. Cells: margins
  // 2 (spacing), border 1, padding 3 on either side, 12 px in all.
  DrawList list = rig.Arrange(
      "<table cellspacing=2 cellpadding=3 border=1>\n<tr><td>abcd</td><td>x</td></tr>\n"
      "<tr><td colspan=2 bgcolor=red>wide cell text</td></tr></table>",
      {0, 0, 400, 300});
  std::vector<BackgroundOp> backs = OpsOf<BackgroundOp>(list);
  ASSERT_EQ(backs.size(), 1u);
  // Row 2 holds 14 bytes = 112 px + 12 = 124 over both columns.
  EXPECT_EQ(backs[0].rect.Width(), 124 - 4);
  EXPECT_EQ(backs[0].rect.left, 1 + 2);
  std::optional<TextOp> a = FindText(Texts(list), "abcd");
  std::optional<TextOp> x = FindText(Texts(list), "x");
  ASSERT_TRUE(a && x);
  EXPECT_EQ(a->x, 1 + 2 + 1 + 3);
  EXPECT_EQ(a->y, x->y);
  EXPECT_EQ(x->x, 1 + (32 + 12 + 30) + 2 + 1 + 3);  // the shortfall of 60 is shared out evenly
  EXPECT_EQ(rig.Measure("<table><tr><td>abcd</td></tr></table>"), (Size{32 + 4, 16 + 4}));
}

// Random table markup never puts a cell, rule, image or link outside the
// rectangle it is drawn in.
TEST(RichTextLayout, TablesStayInsideTheRectangle) {
  static const char* const kPieces[] = {
      "<table>",
      "<table border=2 cellpadding=5 cellspacing=4>",
      "<table bgcolor=blue bgeffect=hgradient>",
      "<tr>",
      "<tr height=50>",
      "<td>",
      "<td colspan=3>",
      "<td rowspan=2 width=500>",
      "<td width=80%>",
      "<td height=400 valign=bottom align=right>",
      "</td>",
      "</tr>",
      "</table>",
      "text",
      "a much longer text run",
      "\n",
      "<br 3>",
      "<t 4>",
      "<hr width=150%>",
      "<hr width=900 size=6>",
      "<bmp idres=1 width=700>",
      "<a href=http://x>",
      "</a>",
      "<center>",
      "<font size=7>",
      "<td colspan=64 rowspan=64>",
  };
  std::mt19937 random(7);
  const Rect rect{10, 20, 210, 120};
  for (int round = 0; round < 300; ++round) {
    std::string markup;
    int count = 1 + static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) markup += kPieces[random() % std::size(kPieces)];
    RichTextRig rig;
    DrawList list = rig.Arrange(markup, rect);
    for (const DrawOp& op : list.ops) {
      std::visit(
          [&](const auto& o) {
            using T = std::decay_t<decltype(o)>;
            if constexpr (std::is_same_v<T, TextOp>) {
              EXPECT_TRUE(o.clip.Inside(rect)) << markup;
            } else if constexpr (std::is_same_v<T, ImageOp>) {
              EXPECT_TRUE(o.clip.Inside(rect)) << markup;
            } else {
              EXPECT_TRUE(o.rect.Inside(rect)) << markup;
            }
          },
          op);
    }
    for (const LinkArea& area : list.areas) EXPECT_TRUE(area.rect.Inside(rect)) << markup;
    if (HasFailure()) return;
  }
}

// Counts the bytes it is asked to measure.
struct CountingMeasurer : test::FakeMeasurer {
  Size TextExtent(const FontKey& font, std::string_view text) override {
    bytes += text.size();
    return FakeMeasurer::TextExtent(font, text);
  }
  size_t bytes = 0;
};

// The rectangle of any operation but text, for comparing drawings.
Rect PlaceOf(const DrawOp& op) {
  return std::visit(
      [](const auto& o) {
        using T = std::decay_t<decltype(o)>;
        if constexpr (std::is_same_v<T, TextOp>) {
          return o.clip;
        } else {
          return o.rect;
        }
      },
      op);
}

// A reach the size of the rectangle changes nothing that shows: the same
// operations in the same places, with text runs cut only past the right edge;
// measuring cuts the size to the reach. A line of 200 KB then costs what the
// room holds, not its length.
TEST(RichTextLayout, AReachKeepsWhatShowsAndMeasuresOnlyWhatFits) {
  const std::string longRun(3000, 'w');
  std::string gbkRun;
  for (int i = 0; i < 1500; ++i) gbkRun += "\xD5\xE2";  // 这
  const std::string kPieces[] = {
      "x",
      "a few words",
      longRun,
      gbkRun,
      "<i>",
      "</i>",
      "<center>",
      "</center>",
      "<right>",
      "\n",
      "<br 9>",
      "<t 3>",
      "<b>",
      "</b>",
      "<a href=http://x>",
      "</a>",
      "<font size=7>",
      "</font>",
      "&amp;lt;",
      "<font style=+o>",
      "<bmp idres=1 width=90>",
      "<hr width=50%>",
      "<table border=1><tr><td>cell</td><td>" + longRun + "</td></tr></table>",
  };
  std::mt19937 random(11);
  const Rect rect{10, 20, 310, 220};
  for (int round = 0; round < 300; ++round) {
    std::string markup;
    int count = 1 + static_cast<int>(random() % 30);
    for (int i = 0; i < count; ++i) markup += kPieces[random() % std::size(kPieces)];
    RichTextRig rig;
    const DrawList whole = rig.Arrange(markup, rect);
    LayoutContext context = rig.Context();
    context.reach = {rect.Width(), rect.Height()};
    const DrawList cut = ArrangeMarkup(markup, context, rect);
    ASSERT_EQ(cut.ops.size(), whole.ops.size()) << markup;
    for (size_t i = 0; i < cut.ops.size(); ++i) {
      ASSERT_EQ(cut.ops[i].index(), whole.ops[i].index()) << markup;
      EXPECT_EQ(PlaceOf(cut.ops[i]), PlaceOf(whole.ops[i])) << markup;
      const auto* a = std::get_if<TextOp>(&cut.ops[i]);
      const auto* b = std::get_if<TextOp>(&whole.ops[i]);
      if (!a) continue;
      EXPECT_EQ(a->x, b->x) << markup;
      EXPECT_EQ(a->y, b->y) << markup;
      EXPECT_TRUE(b->text.starts_with(a->text)) << markup;
      const int width = static_cast<int>(a->text.size()) * (std::abs(a->font.height) / 2);
      if (a->text != b->text) {
        EXPECT_GE(a->x + width, rect.right) << markup;
      }
    }
    ASSERT_EQ(cut.areas.size(), whole.areas.size()) << markup;
    for (size_t i = 0; i < cut.areas.size(); ++i) EXPECT_EQ(cut.areas[i].rect, whole.areas[i].rect) << markup;
    const Size natural = rig.Measure(markup);
    context.reach = {150, 100};
    EXPECT_EQ(MeasureMarkup(markup, context), (Size{std::min(natural.cx, 150), std::min(natural.cy, 100)})) << markup;
    if (HasFailure()) return;
  }

  std::string line;
  for (int i = 0; i < 50000; ++i) line += "\xD5\xE2\xCA\xC7";  // 这是
  RichTextRig rig;
  CountingMeasurer counter;
  LayoutContext context{rig.styles, rig.colours, counter, -1, {1024, 768}};
  EXPECT_EQ(MeasureMarkup(line, context).cx, 1024);
  context.reach = {600, 180};
  EXPECT_EQ(Joined(ArrangeMarkup(line, context, {0, 0, 600, 180})).size() % 2, 0u);  // whole characters
  EXPECT_LT(counter.bytes, 4096u);
}

}  // namespace
}  // namespace lizhi::tip
