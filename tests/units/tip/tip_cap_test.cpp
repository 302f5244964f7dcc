// Lines written to break the balloon: whatever a line asks for, the tip's
// window stays within the work area of its monitor, so the buffers of a show
// stay that small.
#include <gtest/gtest.h>

#include <string>

#include "support/rich_text_layout.h"
#include "units/tip/tip_layout.h"

namespace lizhi::tip {
namespace {

const TipRect kScreen{0, 0, 1024, 768};
const TipRect kWorkArea{0, 0, 1024, 738};  // the taskbar takes the rest

std::string Repeat(std::string_view piece, size_t times) {
  std::string out;
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

TipLayout LayOut(Size content, TipGeometry geometry = kBalloonGeometry, int32_t shadowX = 5, int32_t shadowY = 3,
                 int32_t placement = 17) {
  TipLayoutInput in;
  in.point = {1000, 740};
  in.contentWidth = content.cx;
  in.contentHeight = content.cy;
  in.placement = placement;
  in.geometry = geometry;
  in.screen = kScreen;
  in.workArea = kWorkArea;
  in.shadowX = shadowX;
  in.shadowY = shadowY;
  return LayOutTip(in);
}

void ExpectCapped(const TipLayout& t, const std::string& what) {
  EXPECT_GT(t.windowWidth, 0) << what;
  EXPECT_GT(t.windowHeight, 0) << what;
  EXPECT_LE(t.windowWidth, kWorkArea.width()) << what;
  EXPECT_LE(t.windowHeight, kWorkArea.height()) << what;
  EXPECT_TRUE(t.content.left >= 0 && t.content.right <= t.window.right && t.content.top >= 0 &&
              t.content.bottom <= t.window.bottom)
      << what;
  EXPECT_EQ(t.origin.x + t.anchor.x, 1000) << what << ": the anchor still touches the point";
  EXPECT_EQ(t.origin.y + t.anchor.y, 740) << what;
}

TEST(TipCap, HostileLinesGiveAWindowWithinTheWorkArea) {
  struct Case {
    const char* what;
    std::string line;
  };
  const Case cases[] = {
      {"a huge font, tabs and breaks", "<font size=99999px>W<t 100><br 100><t 100><br 100>W</font>"},
      {"huge font from the sheet", "<span style=x><h1><big><big><big>" + Repeat("<font size=400%>", 40) + "WW"},
      {"break counts", Repeat("<br 100>", 500)},
      {"tab counts", Repeat("<t 100>", 2000)},
      {"wide and tall cells",
       Repeat("<table border=64 cellpadding=32767 cellspacing=32767><tr><td width=32767 height=32767 colspan=64>", 20) +
           "x"},
      {"many columns", "<table><tr>" + Repeat("<td width=32767>x</td>", 3000) + "</tr></table>"},
      {"images", Repeat("<bmp file=a.bmp cx=1024 cy=1024 width=32767 height=32767>", 300)},
      {"icons", Repeat("<icon handle=0x1 width=9999 height=9999>", 300)},
      {"nesting", Repeat("<b><i><u><font size=7>", 400) + Repeat("x", 300)},
      {"rules", Repeat("<hr size=512 width=32767>", 400)},
      {"a 200 KB line", Repeat("\xD5\xE2", 100000)},
      {"margins and padding", "<p style=x>" + Repeat("<span class=a>", 50) +
                                  "<table cellpadding=99999999 cellspacing=-99999999><tr><td>x</td></tr></table>"},
  };
  test::RichTextRig rig;
  for (const Case& c : cases) {
    const Size measured = rig.Measure(c.line);
    ExpectCapped(LayOut(measured), c.what);
  }
  // The short line that used to end the program asks for far more than a
  // screen, as the wide ones do.
  const Size first = rig.Measure(cases[0].line);
  EXPECT_GT(first.cy, kWorkArea.height());
  EXPECT_GT(rig.Measure(cases[10].line).cx, kWorkArea.width());
}

TEST(TipCap, WrittenGeometryAndShadowsAreCutToTheCapWhateverTheAnchorSide) {
  const Size content{32767, 32767};
  const TipGeometry extremes[] = {
      {INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 0, 0},
      {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN},
      {0, 0, 40000, 1, 0, 30000, -30000, 0, 0},
  };
  for (int32_t placement : {0, 1, 2, 16, 17, 18, 32, 33, 34, 48, 49, 50, 99}) {
    for (const TipGeometry& g : extremes) {
      for (int32_t shadow : {INT32_MIN, -5, 0, 7, INT32_MAX}) {
        ExpectCapped(LayOut(content, g, shadow, shadow, placement),
                     "placement " + std::to_string(placement) + " shadow " + std::to_string(shadow));
      }
    }
  }
  // A tip that fits keeps its size: the cap clips, it never scales.
  const TipLayout fits = LayOut({100, 20});
  EXPECT_EQ(fits.windowWidth, 124 + 5);
  EXPECT_EQ(fits.windowHeight, 60 + 3);
  // Content beyond the cap is clipped; what is left keeps the margins.
  const TipLayout clipped = LayOut({5000, 5000});
  EXPECT_EQ(clipped.windowWidth, kWorkArea.width());
  EXPECT_EQ(clipped.windowHeight, kWorkArea.height());
  EXPECT_EQ(clipped.content.left - clipped.body.left, 12);
  EXPECT_EQ(clipped.body.right - clipped.content.right, 12);
}

TEST(TipCap, TheCapIsTheWorkAreaElseTheScreen) {
  TipLayoutInput in;
  in.screen = kScreen;
  EXPECT_EQ(CapOf(in).width, 1024);
  EXPECT_EQ(CapOf(in).height, 768);
  in.workArea = {1024, 0, 2304, 984};  // a second monitor
  EXPECT_EQ(CapOf(in).width, 1280);
  EXPECT_EQ(CapOf(in).height, 984);
  EXPECT_EQ(CapOf(TipLayoutInput{}).width, 640);
}

}  // namespace
}  // namespace lizhi::tip
