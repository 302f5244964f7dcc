#include "units/tray/probe_scan.h"

#include <gtest/gtest.h>

#include <vector>

namespace lizhi::tray {
namespace {

constexpr uint32_t kLight = 0x00C0C0C0;
constexpr uint32_t kBlack = 0x00000000;

// A synthetic capture of a screen region, light unless painted.
struct Canvas {
  ScreenRect rect;
  std::vector<uint32_t> pixels;
  explicit Canvas(ScreenRect r)
      : rect(r), pixels(static_cast<size_t>((r.right - r.left) * (r.bottom - r.top)), kLight) {}
  void Fill(int x0, int y0, int w, int h, uint32_t colour) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) {
        if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom)
          pixels[static_cast<size_t>((y - rect.top) * (rect.right - rect.left) + (x - rect.left))] = colour;
      }
  }
  PixelCapture capture() const { return {rect, pixels.data()}; }
};

const ScreenRect kScreen{0, 0, 1024, 768};
const ScreenRect kTaskbar{0, 748, 1024, 768};

std::optional<ScreenPoint> Scan(const Canvas& c, ScreenRect area = kTaskbar, ScreenRect screen = kScreen) {
  return ScanCapture(area, c.capture(), screen);
}

TEST(TrayIconProbeScan, FindsABlackSquareNearItsCentre) {
  Canvas c(CaptureRectFor(kTaskbar));
  c.Fill(1006, 750, 16, 16, kBlack);
  auto found = Scan(c);
  ASSERT_TRUE(found);
  // Lowest row whose neighbours two above and below are dark: 750 + 13; the
  // ninth pixel of the run: 1006 + 8.
  EXPECT_EQ(*found, (ScreenPoint{1006 + 7, 750 + 7}));
}

TEST(TrayIconProbeScan, DarkMeansEveryChannelAtMostThree) {
  Canvas nearBlack(CaptureRectFor(kTaskbar));
  nearBlack.Fill(100, 750, 16, 16, 0x00030303);
  EXPECT_TRUE(Scan(nearBlack));
  for (uint32_t colour : {0x00000004u, 0x00000400u, 0x00040000u, 0xFFFFFFFFu}) {
    Canvas c(CaptureRectFor(kTaskbar));
    c.Fill(100, 750, 16, 16, colour);
    EXPECT_FALSE(Scan(c)) << std::hex << colour;
  }
  EXPECT_TRUE(IsDarkColour(0xFF000000));  // the unused top byte does not count
}

TEST(TrayIconProbeScan, NeedsNineHitsInARowOnOneRow) {
  Canvas eight(CaptureRectFor(kTaskbar));
  eight.Fill(100, 750, 8, 16, kBlack);
  EXPECT_FALSE(Scan(eight));

  Canvas broken(CaptureRectFor(kTaskbar));
  broken.Fill(100, 750, 17, 16, kBlack);
  broken.Fill(108, 750, 1, 16, kLight);  // 8 + gap + 8
  EXPECT_FALSE(Scan(broken));

  // A run does not carry over from the end of one row to the next.
  ScreenRect narrow{0, 748, 20, 768};
  Canvas rows(CaptureRectFor(narrow));
  rows.Fill(15, 750, 5, 16, kBlack);
  rows.Fill(0, 750, 5, 16, kBlack);
  EXPECT_FALSE(Scan(rows, narrow));
}

TEST(TrayIconProbeScan, NeedsDarkPixelsTwoRowsAboveAndBelow) {
  Canvas thin(CaptureRectFor(kTaskbar));
  thin.Fill(100, 757, 40, 4, kBlack);  // rows 757..760: no row has both neighbours
  EXPECT_FALSE(Scan(thin));
  Canvas five(CaptureRectFor(kTaskbar));
  five.Fill(100, 757, 40, 5, kBlack);  // row 759 has 757 and 761
  auto found = Scan(five);
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (ScreenPoint{107, 753}));
}

TEST(TrayIconProbeScan, ScansRowsUpwardAndEachRowLeftToRight) {
  Canvas c(CaptureRectFor(kTaskbar));
  c.Fill(500, 749, 16, 8, kBlack);   // higher
  c.Fill(800, 756, 16, 10, kBlack);  // lower: found first
  c.Fill(900, 756, 16, 10, kBlack);  // same rows, further right
  auto found = Scan(c);
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (ScreenPoint{807, 757}));
}

TEST(TrayIconProbeScan, ReadsOnlyTheRowsTheRuleNames) {
  // Only rows top - 1 .. bottom - 1 are captured; dark pixels outside them, or
  // in rows the rule never reaches as a centre, do not help.
  ScreenRect area{0, 100, 64, 110};
  EXPECT_EQ(CaptureRectFor(area).top, 99);
  EXPECT_EQ(CaptureRectFor(area).bottom, 110);
  Canvas c(CaptureRectFor(area));
  c.Fill(0, 99, 64, 11, kBlack);
  auto found = Scan(c, area);
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (ScreenPoint{7, 107 - 6}));  // first centre row: bottom - 3
}

TEST(TrayIconProbeScan, PixelsOffTheScreenAreNotDark) {
  // The area hangs below the screen, where a capture reads black.
  ScreenRect area{0, 760, 1024, 790};
  Canvas c(CaptureRectFor(area));
  c.Fill(0, 768, 1024, 30, kBlack);
  EXPECT_FALSE(Scan(c, area));
  // A square straddling the edge is found only from rows wholly on the screen.
  c.Fill(300, 756, 16, 12, kBlack);
  auto found = Scan(c, area);
  ASSERT_TRUE(found);
  EXPECT_EQ(*found, (ScreenPoint{307, 765 - 6}));

  // To the left of the screen too.
  ScreenRect left{-40, 748, 0, 768};
  Canvas side(CaptureRectFor(left));
  side.Fill(-40, 747, 40, 21, kBlack);
  EXPECT_FALSE(Scan(side, left));
}

TEST(TrayIconProbeScan, EmptyOrInvertedAreasFindNothing) {
  Canvas c(CaptureRectFor(kTaskbar));
  c.Fill(0, 748, 1024, 20, kBlack);
  EXPECT_FALSE(Scan(c, ScreenRect{0, 0, 0, 0}));
  EXPECT_FALSE(Scan(c, ScreenRect{100, 760, 50, 750}));
  EXPECT_FALSE(ScanCapture(kTaskbar, PixelCapture{kTaskbar, nullptr}, kScreen));
}

TEST(TrayIconProbeScan, SameRuleOverAnyPixelSource) {
  // The rule applied to per-pixel reads (as GetPixel gives them) agrees with
  // the capture.
  Canvas c(CaptureRectFor(kTaskbar));
  c.Fill(640, 751, 16, 16, kBlack);
  int reads = 0;
  auto perPixel = ScanForProbeIcon(kTaskbar, [&](int32_t x, int32_t y) {
    ++reads;
    return IsDarkColour(c.pixels[static_cast<size_t>((y - c.rect.top) * 1024 + x)]);
  });
  EXPECT_EQ(perPixel, Scan(c));
  EXPECT_GT(reads, 1024);
}

}  // namespace
}  // namespace lizhi::tray
