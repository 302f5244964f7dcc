#include "units/tip/rich_text/style_sheet.h"

#include <gtest/gtest.h>

#include "support/fake_measurer.h"
#include "units/tip/rich_text/default_style_sheet.h"

namespace lizhi::tip {
namespace {

struct SheetRig {
  test::FakeMeasurer measurer;
  test::FakeSystemColours system;
  ColourTable colours{system};
  TextStyle Apply(std::string_view declarations, TextStyle style = {}) {
    ApplyDeclarations(declarations, style, colours, &measurer);
    return style;
  }
};

TEST(RichTextStyleSheet, LengthsConvertThroughTheDevice) {
  SheetRig rig;
  struct Case {
    const char* size;
    int height;  // from 16
  } cases[] = {
      {"9pt", 12}, {"1in", 96}, {"2.54cm", 96}, {"25.4mm", 96},  {"6pc", 96},  {"2em", 32},
      {"1ex", 16}, {"50%", 8},  {"20px", 20},   {"+20px", 20},   {"0x10", 16}, {"3", 12},
      {"7", 36},   {"", 16},    {"big", 16},    {"9999in", 512}, {"0.4px", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(rig.Apply(std::string("font-size:") + c.size).font.height, c.height) << c.size;
  }
  rig.measurer.dpi = 120;
  EXPECT_EQ(rig.Apply("font-size: 9pt").font.height, 15);
  EXPECT_EQ(rig.Apply("margin-left: -99999px; padding-bottom: 1in").margin[0], 32767);
  EXPECT_EQ(rig.Apply("padding-bottom: 1in").padding[3], 120);
}

TEST(RichTextStyleSheet, KeywordsSetTheirPropertiesAndUnknownOnesKeepThem) {
  SheetRig rig;
  TextStyle s = rig.Apply(
      "FONT-WEIGHT: Bold; font-style: oblique; text-align: center; vertical-align: vcenter;"
      "text-transform: capitalize; text-decoration: underline, overline; border-style: double;"
      "border-width: 8px; color: #102030; background-color: infotext; font-family: \"\xCB\xCE\xCC\xE5\",Arial;"
      "nonsense: 3");
  EXPECT_EQ(s.font.weight, 700);
  EXPECT_TRUE(s.font.italic);
  EXPECT_EQ(s.align, HAlign::Center);
  EXPECT_EQ(s.valign, VAlign::Middle);
  EXPECT_EQ(s.transform, Transform::Capitalize);
  EXPECT_TRUE(s.font.underline && s.overline && !s.font.strikeout);
  EXPECT_EQ(s.borderStyle, 6);
  EXPECT_EQ(s.borderWidth, 8);
  EXPECT_EQ(s.textColour, Rgb(0x10, 0x20, 0x30));
  EXPECT_TRUE(s.opaque);
  EXPECT_EQ(s.backColour, (23u << 16) | 0x0101);  // the system's info-text colour
  EXPECT_STREQ(s.font.face, "\xCB\xCE\xCC\xE5");

  TextStyle t = rig.Apply("border-width: thick; font-weight: bolder; text-decoration: none; font-style: normal", s);
  EXPECT_EQ(t.borderWidth, 10);
  EXPECT_EQ(t.font.weight, 900);
  EXPECT_FALSE(t.font.underline || t.overline || t.font.italic);
  TextStyle u = rig.Apply(
      "font-weight: lighter; text-align: sideways; color: nosuchcolour; font-family: ;"
      "background-color: transparent; border-width: thin",
      t);
  EXPECT_EQ(u.font.weight, 100);
  EXPECT_EQ(u.align, HAlign::Center);
  EXPECT_EQ(u.textColour, s.textColour);
  EXPECT_STREQ(u.font.face, s.font.face);
  EXPECT_FALSE(u.opaque);
  EXPECT_EQ(u.borderWidth, 7);
}

TEST(RichTextStyleSheet, DefaultSheetHoldsItsSelectors) {
  StyleTable table;
  table.Parse(kDefaultStyleSheet);
  EXPECT_EQ(table.size(), 17u);
  ASSERT_NE(table.Find("a:hover"), nullptr);
  EXPECT_EQ(*table.Find("a:hover"), "text-decoration:underline; color:blue");
  EXPECT_EQ(*table.Find("h1"),
            "font-size: 14pt; color:black; font-family:\"\xCB\xCE\xCC\xE5\",Verdana; font-weight:bold");
  EXPECT_NE(table.Find(".comment"), nullptr);
  EXPECT_EQ(table.Find("table"), nullptr);
  table.Parse("H1, .Note {color:red} broken {color:blue");
  EXPECT_NE(table.Find("h1"), nullptr);
  EXPECT_NE(table.Find(".note"), nullptr);
  EXPECT_NE(table.Find("broken"), nullptr);
  table.Parse(nullptr);
  EXPECT_EQ(table.size(), 0u);
}

TEST(RichTextColours, NamesNumbersAndTheSystemColours) {
  SheetRig rig;
  EXPECT_EQ(rig.colours.size(), 168u);
  struct Case {
    const char* value;
    std::optional<Colour> colour;
  } cases[] = {
      {"#ff0000", Rgb(255, 0, 0)},
      {"red", Rgb(255, 0, 0)},
      {"darkseagreen", Rgb(143, 188, 139)},
      {"lightgrey", Rgb(211, 211, 211)},
      {"grey", std::nullopt},
      {"lightgray", std::nullopt},
      {"darkgrey", std::nullopt},
      {"buttonface", (15u << 16) | 0x0101},
      {"threedlightshadow", (22u << 16) | 0x0101},
      {"255", 255u},
      {"0x00ff00", 0xFF00u},
      {"#12345", std::nullopt},
      {"#gg0000", std::nullopt},
      {"", std::nullopt},
      {"nosuch", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadColour(c.value, rig.colours), c.colour) << c.value;
}

}  // namespace
}  // namespace lizhi::tip
