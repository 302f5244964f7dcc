#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/rich_text/rich_text_drawer.h"

namespace lizhi::tip {
namespace {

// A 32-bit top-down DIB selected into a memory DC, filled white.
class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width),
        height_(height),
        dc_(CreateCompatibleDC(nullptr)),
        dib_(win::CreateTopDownDib(dc_.get(), width, height)),
        selected_(dc_.get(), dib_.bitmap.get()),
        bits_(dib_.pixels) {
    std::fill(bits_, bits_ + width * height, 0xFFFFFFu);
  }
  HDC dc() const { return dc_.get(); }
  uint32_t At(int x, int y) const {  // 0x00RRGGBB
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFF;
  }
  int Count(uint32_t pixel) const {
    GdiFlush();
    int n = 0;
    for (int i = 0; i < width_ * height_; ++i) n += (bits_[i] & 0xFFFFFF) == pixel;
    return n;
  }

 private:
  int width_;
  int height_;
  win::MemoryDc dc_;
  win::TopDownDib dib_;
  win::Selected selected_;
  uint32_t* bits_ = nullptr;
};

uint32_t Pixel(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

// The band formula, restated: band i of 64 spans start + length * i / 64 up to
// start + length * (i + 1) / 64; its channels are from + (to - from) * i / 64
// in fixed point with 6 fraction bits.
COLORREF Expected(int pos, int start, int length, COLORREF from, COLORREF to) {
  int i = 0;
  while (i < 63 && pos >= start + length * (i + 1) / 64) ++i;
  auto channel = [&](int shift) {
    return ((from >> shift & 0xFF) * 64 + ((int(to >> shift & 0xFF) - int(from >> shift & 0xFF)) * i)) >> 6;
  };
  return RGB(channel(0), channel(8), channel(16));
}

TEST(RichTextDrawerWin, GradientEffectsMatchTheBandFormulaPixelForPixel) {
  const COLORREF begin = RGB(250, 10, 40), middle = RGB(0, 200, 100), end = RGB(30, 60, 255);
  const RECT rect{3, 5, 3 + 203, 5 + 77};  // odd sizes: bands of unequal width
  for (int effect = 1; effect <= 6; ++effect) {
    Canvas canvas(220, 90);
    RichTextDrawer::DrawBackgroundEffect(canvas.dc(), rect, effect, begin, middle, end, 5);
    bool horizontal = effect % 2 == 1;
    int start = horizontal ? rect.left : rect.top;
    int length = horizontal ? rect.right - rect.left : rect.bottom - rect.top;
    int half = length / 2;
    int mismatches = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) {
        int pos = horizontal ? x : y;
        COLORREF want;
        if (effect <= 2) {
          want = Expected(pos, start, length, begin, end);
        } else if (effect <= 4) {
          want = pos < start + half ? Expected(pos, start, half, begin, end)
                                    : Expected(pos, start + half, length - half, end, begin);
        } else {
          want = pos < start + half ? Expected(pos, start, half, begin, middle)
                                    : Expected(pos, start + half, length - half, middle, end);
        }
        mismatches += canvas.At(x, y) != Pixel(want);
      }
    }
    EXPECT_EQ(mismatches, 0) << "effect " << effect;
    EXPECT_EQ(canvas.At(rect.left - 1, rect.top), 0xFFFFFFu) << "drawn outside, effect " << effect;
    EXPECT_EQ(canvas.At(rect.right, rect.bottom - 1), 0xFFFFFFu) << "drawn outside, effect " << effect;
  }
}

TEST(RichTextDrawerWin, TextRulesAndSizes) {
  RichTextDrawer drawer;
  drawer.SetStyleSheet(kDefaultStyleSheet);
  Canvas canvas(300, 80);
  const char* text = "<font color=red size=24px>WWWW</font><hr width=50% size=2 color=#0000ff>";
  SIZE size = drawer.Measure(canvas.dc(), text);
  EXPECT_GT(size.cx, 40);
  EXPECT_GE(size.cy, 24 + 10);
  drawer.Draw(canvas.dc(), text, RECT{0, 0, 200, 80});
  EXPECT_GT(canvas.Count(0xFF0000), 20) << "red text is drawn red";
  EXPECT_EQ(canvas.Count(0x000000), 0);
  // The rule: 100 pixels centred in 200, two rows of blue.
  int firstRow = -1;
  for (int y = 0; y < 80 && firstRow < 0; ++y) {
    if (canvas.At(100, y) == 0x0000FF) firstRow = y;
  }
  ASSERT_GE(firstRow, 0);
  EXPECT_EQ(canvas.At(50, firstRow), 0x0000FFu);
  EXPECT_EQ(canvas.At(149, firstRow + 1), 0x0000FFu);
  EXPECT_EQ(canvas.At(49, firstRow), 0xFFFFFFu);
  EXPECT_EQ(canvas.At(150, firstRow), 0xFFFFFFu);
  EXPECT_EQ(canvas.At(100, firstRow + 2), 0xFFFFFFu);
}

struct Received {
  UINT message;
  WPARAM wParam;
  std::string text;
};
std::vector<Received> g_received;

LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == 0x8100) g_received.push_back({message, wParam, reinterpret_cast<const char*>(lParam)});
  if (message == 0x465) g_received.push_back({message, wParam, ""});
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(RichTextDrawerWin, EventLinksReachTheLinkTargetAndHoverTheHoverTarget) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Recorder;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "LizhiRichTextRecorder";
  RegisterClassA(&wc);
  win::Window window(CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
  ASSERT_NE(window.get(), nullptr);
  g_received.clear();

  RichTextDrawer drawer;
  drawer.SetStyleSheet(kDefaultStyleSheet);
  drawer.SetLinkTarget(window.get(), 0x8100);
  drawer.SetHoverTarget(window.get(), 0x465);
  Canvas canvas(300, 60);
  drawer.Draw(canvas.dc(), "go <a msg=ShowMore>more</a> <a href=\"file:///c:/windows/notepad.exe\">x</a>",
              RECT{10, 10, 290, 50});
  POINT outside{12, 12};
  int index = -1;
  POINT over{};
  for (int x = 10; x < 290 && index < 0; ++x) {
    over = {x, 16};
    index = drawer.LinkAt(over);
  }
  ASSERT_EQ(index, 0);
  EXPECT_EQ(drawer.LinkAt(outside), -1);
  EXPECT_TRUE(drawer.Hover(over));
  EXPECT_TRUE(drawer.Hover(over));  // unchanged: told once
  EXPECT_FALSE(drawer.Hover(outside));
  drawer.Click(over);
  drawer.Click(outside);
  ASSERT_EQ(g_received.size(), 3u);
  EXPECT_EQ(g_received[0].message, 0x465u);
  EXPECT_EQ(static_cast<int>(g_received[0].wParam), 0);
  EXPECT_EQ(static_cast<int>(g_received[1].wParam), -2);
  EXPECT_EQ(g_received[2].message, 0x8100u);
  EXPECT_EQ(g_received[2].text, "showmore");
  window.reset();
}

}  // namespace
}  // namespace lizhi::tip
