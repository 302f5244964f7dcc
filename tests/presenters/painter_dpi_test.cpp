// The title-bar line's place at 96, 120, 144 and 192 dpi, with and without the
// window's caption buttons, on monitors beside and above the primary one.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "presenters/caption_buttons.h"
#include "presenters/painter_geometry_dpi.h"

namespace lizhi::presenters {
namespace {

constexpr PaintRect kPrimary{0, 0, 1024, 768};

struct PlaceCase {
  const char* what;
  TitleLineScene scene;
  size_t bytes;
  int32_t measured;
  TitleLinePlace want;
};

TEST(TitleLinePlace, TableOverDpiButtonsAndMonitors) {
  const PaintRect w96{100, 50, 500, 350}, c96{0, 0, 392, 266};  // 4-pixel frames
  const PaintRect w144{100, 50, 500, 350}, c144{0, 0, 390, 266};
  const PlaceCase cases[] = {
      {"96 dpi, no buttons: the classic place, measured width ignored",
       {w96, c96, kPrimary, 96, {}},
       20,
       217,
       {true, 227, 54, 224, 59}},
      {"96 dpi, buttons: pulled left of them by the gap",
       {w96, c96, kPrimary, 96, PaintRect{442, 54, 496, 73}},
       20,
       217,
       {true, 221, 54, 218, 59}},
      {"96 dpi, buttons: a line that clears them keeps the classic place",
       {w96, c96, kPrimary, 96, PaintRect{442, 54, 496, 73}},
       10,
       107,
       {true, 327, 54, 324, 59}},
      {"120 dpi, no buttons: scaled offsets, the measured end at the classic right end",
       {w96, c96, kPrimary, 120, {}},
       10,
       134,
       {true, 277, 54, 273, 60}},
      {"144 dpi, buttons: the caption's top, the gap scaled",
       {w144, c144, kPrimary, 144, PaintRect{414, 55, 495, 83}},
       10,
       200,
       {true, 208, 55, 203, 63}},
      {"144 dpi, unmeasured: reckoned at 15 pixels a byte",
       {w144, c144, kPrimary, 144, PaintRect{414, 55, 495, 83}},
       10,
       -1,
       {true, 242, 55, 237, 63}},
      {"192 dpi, caption too narrow for the line",
       {{0, 0, 300, 200}, {0, 0, 284, 100}, kPrimary, 192, PaintRect{180, 8, 292, 60}},
       10,
       260,
       {false, -88, 8, -94, 18}},
      {"144 dpi on a monitor right of the primary one",
       {{1200, 100, 1800, 700}, {0, 0, 590, 500}, {1024, 0, 2944, 1080}, 144, {}},
       10,
       -1,
       {true, 1542, 105, 1537, 113}},
      {"96 dpi on a monitor above the primary one",
       {{100, -900, 700, -500}, {0, 0, 592, 300}, {0, -1080, 1920, 0}, 96, {}},
       20,
       217,
       {true, 427, -896, 424, -891}},
      {"96 dpi above: a top within 80 pixels of that monitor's bottom",
       {{100, -80, 700, 300}, {0, 0, 592, 300}, {0, -1080, 1920, 0}, 96, {}},
       20,
       217,
       {false, 427, -76, 424, -71}},
      {"192 dpi on a monitor left of the primary one, buttons given",
       {{-1800, 200, -600, 900}, {0, 0, 1184, 600}, {-1920, 0, 0, 1080}, 192, PaintRect{-900, 208, -608, 268}},
       30,
       700,
       {true, -1608, 208, -1614, 218}},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const TitleLinePlace got = PlaceTitleLine(c.scene, c.bytes, c.measured);
    EXPECT_EQ(got.fits, c.want.fits);
    EXPECT_EQ(got.x, c.want.x);
    EXPECT_EQ(got.y, c.want.y);
    EXPECT_EQ(got.sampleX, c.want.sampleX);
    EXPECT_EQ(got.sampleY, c.want.sampleY);
    if (c.scene.buttons && got.fits) {
      EXPECT_LE(got.x + c.measured, c.scene.buttons->left);
    }
  }
  EXPECT_EQ(TitleLineFontSize(96), 24);
  EXPECT_EQ(TitleLineFontSize(144), 36);
  EXPECT_EQ(TitleLineFontSize(192), 48);
}

// A 400 x 200 window at (100, 100) as Wine answers at 96 dpi: frame 4, caption
// rows 104 to 122, buttons from x 442 to 495.
std::optional<int32_t> WineLikeHit(int32_t x, int32_t y) {
  if (y < 104 || y >= 123 || x < 104 || x >= 496) return 14;  // the frame
  if (x >= 478) return 20;
  if (x >= 460) return 9;
  if (x >= 442) return 8;
  return x >= 122 ? 2 : 3;
}

TEST(CaptionButtons, FoundByHitTestsAndRememberedPerWindowAndSize) {
  const PaintRect window{100, 100, 500, 300};
  int asked = 0;
  auto counting = [&](int32_t x, int32_t y) {
    ++asked;
    return WineLikeHit(x, y);
  };
  std::optional<PaintRect> found = ButtonsByHitTest(window, 113, counting);
  ASSERT_TRUE(found);
  EXPECT_EQ(found->left, 442);
  EXPECT_EQ(found->right, 496);
  EXPECT_EQ(found->top, 104);
  EXPECT_EQ(found->bottom, 123);
  EXPECT_LT(asked, 120) << "the scan stops at the caption";

  // A window that stops answering, and one without buttons, give nothing.
  EXPECT_FALSE(ButtonsByHitTest(window, 113, [](int32_t x, int32_t) -> std::optional<int32_t> {
    if (x < 470) return std::nullopt;
    return 20;
  }));
  EXPECT_FALSE(ButtonsByHitTest(window, 113, [](int32_t, int32_t) { return std::optional<int32_t>(2); }));

  CaptionButtonCache cache;
  EXPECT_FALSE(cache.Find(7, window));
  cache.Store(7, window, found);
  cache.Store(8, window, std::nullopt);
  // Moved 300 pixels left and up: the buttons move along.
  auto moved = cache.Find(7, {-200, -200, 200, 0});
  ASSERT_TRUE(moved && *moved);
  EXPECT_EQ((*moved)->left, 142);
  EXPECT_EQ((*moved)->top, -196);
  auto none = cache.Find(8, window);
  ASSERT_TRUE(none);
  EXPECT_FALSE(*none);
  EXPECT_FALSE(cache.Find(7, {100, 100, 501, 300})) << "another size asks again";
  for (uintptr_t w = 100; w < 100 + CaptionButtonCache::kWindows; ++w) cache.Store(w, window, std::nullopt);
  EXPECT_FALSE(cache.Find(7, window)) << "the oldest window gives way";
}

}  // namespace
}  // namespace lizhi::presenters
