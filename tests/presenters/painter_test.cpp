#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>

#include "presenters/painter_font.h"
#include "presenters/painter_geometry.h"

namespace lizhi::presenters {
namespace {

// A 400 x 300 window at (100, 50) with 4-pixel frames and a 30-pixel caption.
const PaintRect kWindow{100, 50, 500, 350};
const PaintRect kClient{0, 0, 392, 266};

TEST(PainterGeometry, PlacesTheLineAtTheTopRightOfTheWindow) {
  EXPECT_EQ(FrameBorder(kWindow, kClient), 4);
  EXPECT_EQ(LineLeft(kWindow, kClient, 20), 100 + 392 - 200 - 65);
  EXPECT_EQ(LineTop(kWindow, 4), 54);
  EXPECT_EQ(SampleTop(kWindow, 4), 59);
  EXPECT_EQ(SampleLeft(kWindow, kClient, 20), 100 + 392 - 200 - 65 - 3);  // just left of the first glyph
  // An odd frame is truncated toward zero, negative ones too.
  EXPECT_EQ(FrameBorder({0, 0, 105, 10}, {0, 0, 100, 5}), 2);
  EXPECT_EQ(FrameBorder({0, 0, 95, 10}, {0, 0, 100, 5}), -2);
}

TEST(PainterGeometry, FitsOnlyWithBothStrictComparisons) {
  const int32_t h = 768;
  EXPECT_TRUE(LineFits({0, 0, 266, 100}, 20, h));   // 266 > 265
  EXPECT_FALSE(LineFits({0, 0, 265, 100}, 20, h));  // 265 is not
  EXPECT_TRUE(LineFits({0, 687, 1000, 900}, 20, h));
  EXPECT_FALSE(LineFits({0, 688, 1000, 900}, 20, h));  // top at H - 80
  EXPECT_FALSE(LineFits({0, 700, 1000, 900}, 20, h));
  // An empty line needs only more than 65 pixels.
  EXPECT_TRUE(LineFits({0, 0, 66, 10}, 0, h));
}

TEST(PainterGeometry, MissingWindowFitsNothing) {
  const PaintRect none{};
  EXPECT_FALSE(LineFits(none, 0, 768));
  EXPECT_FALSE(LineFits(none, 20, 768));
  EXPECT_EQ(LineLeft(none, none, 3), -95);
}

TEST(PainterGeometry, VeryLongLinesNeitherOverflowNorFit) {
  EXPECT_FALSE(LineFits({0, 0, 2000000000, 10}, 300000000, 768));
  EXPECT_EQ(LineLeft(kWindow, kClient, 300000000), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(FrameBorder({-2000000000, 0, 2000000000, 0}, {0, 0, 0, 0}), 2000000000);
}

TEST(PainterFont, DefaultsAndFieldsOfTheFontRequest) {
  PaintTextArgs args;
  FontRequest f = MakeFontRequest(args);
  EXPECT_EQ(f.height, 16);
  EXPECT_EQ(f.width, 0);
  EXPECT_EQ(f.escapement, 0);
  EXPECT_EQ(f.orientation, 0);
  EXPECT_EQ(f.weight, 0);
  EXPECT_EQ(f.italic, 0);
  EXPECT_EQ(f.underline, 0);
  EXPECT_EQ(f.strikeOut, 0);
  EXPECT_EQ(f.charSet, 134);
  EXPECT_EQ(f.outPrecision, 0);
  EXPECT_EQ(f.clipPrecision, 0);
  EXPECT_EQ(f.quality, 0);
  EXPECT_EQ(f.pitchAndFamily, 0);
  EXPECT_STREQ(f.faceName, "\xCB\xCE\xCC\xE5");  // 宋体
  EXPECT_EQ(args.colour, 0x0000FFu);             // red
}

TEST(PainterFont, BoldOnlyForOneAndOtherArgumentsPassedOn) {
  PaintTextArgs args;
  args.size = 24;
  args.bold = 1;
  args.italic = 1;
  args.underline = 1;
  args.fontName = "SimHei";
  args.quality = 3;
  FontRequest f = MakeFontRequest(args);
  EXPECT_EQ(f.quality, 3);
  EXPECT_EQ(f.height, 24);
  EXPECT_EQ(f.weight, 900);
  EXPECT_EQ(f.italic, 1);
  EXPECT_EQ(f.underline, 1);
  EXPECT_STREQ(f.faceName, "SimHei");
  args.bold = 2;
  EXPECT_EQ(MakeFontRequest(args).weight, 0);
}

TEST(PainterFont, LongFaceNameStaysInsideItsField) {
  PaintTextArgs args;
  std::string longName(100, 'F');
  args.fontName = longName.c_str();
  FontRequest f = MakeFontRequest(args);
  EXPECT_EQ(std::strlen(f.faceName), static_cast<size_t>(kFaceNameSize - 1));
}

}  // namespace
}  // namespace lizhi::presenters
