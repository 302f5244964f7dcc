// The screen painter under Wine: the line appears in yellow where the
// geometry puts it over the foreground window, and only where it fits.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "presenters/painter.h"
#include "presenters/painter_target_win.h"
#include "runtime/base/win_handles.h"
#include "support/pump_win.h"
#include "support/screen_win.h"

namespace lizhi::presenters {
namespace {

LRESULT CALLBACK WhiteProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

bool IsYellow(uint32_t p) { return ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) > 200 && (p & 0xFF) < 80; }

struct YellowArea {
  int count = 0;
  RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
};

YellowArea FindYellow(const RECT& r) {
  YellowArea found;
  std::vector<uint32_t> pixels = test::CaptureScreen(r);
  const int w = r.right - r.left;
  for (size_t i = 0; i < pixels.size(); ++i) {
    if (!IsYellow(pixels[i])) continue;
    LONG x = r.left + static_cast<LONG>(i % w), y = r.top + static_cast<LONG>(i / w);
    ++found.count;
    found.box = {std::min(found.box.left, x), std::min(found.box.top, y), std::max(found.box.right, x + 1),
                 std::max(found.box.bottom, y + 1)};
  }
  return found;
}

class PainterOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &WhiteProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "LizhiPainterTest";
    RegisterClassA(&wc);
    // The test's windows play another program's.
    PainterOwnProcess() = 0;
  }
  void TearDown() override {
    PainterOwnProcess() = GetCurrentProcessId();
    window_.reset();
    Repaint();
  }
  // Wipes painted lines off the whole screen: a window laid over everything
  // and taken away again makes what lies beneath show itself afresh.
  static void Repaint() {
    win::Window sheet(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "LizhiPainterTest", "", WS_POPUP | WS_VISIBLE,
                                      0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr));
    test::PumpFor(60);
    sheet.reset();
    test::PumpFor(100);
  }
  // A window made the foreground window; W and C are read as the painter reads them.
  void Show(int x, int y, int width, int height, DWORD style = WS_OVERLAPPEDWINDOW) {
    window_.reset(CreateWindowExA(0, "LizhiPainterTest", "painter", style | WS_VISIBLE, x, y, width, height, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr));
    SetForegroundWindow(window_.get());
    Repaint();
    ASSERT_EQ(GetForegroundWindow(), window_.get());
    GetWindowRect(window_.get(), &w_);
    GetClientRect(window_.get(), &c_);
    // Lines painted by earlier tests last until what is under them repaints,
    // which other processes (the desktop's) do in their own time.
    const DWORD end = GetTickCount() + 3000;
    while (FindYellow(Around()).count > 0) {
      ASSERT_LT(static_cast<LONG>(GetTickCount() - end), 0) << "yellow left on the screen";
      test::PumpFor(50);
    }
  }
  int Border() const { return (w_.right - w_.left - c_.right) / 2; }
  int LineX(const std::string& s) const { return w_.left + c_.right - 10 * static_cast<int>(s.size()) - 65; }
  int LineY() const { return w_.top + Border(); }
  // Where a line's glyphs may land: from its left end, 24 pixels high.
  RECT LineBand(const std::string& s) const {
    return {LineX(s) - 2, LineY(), LineX(s) + 14 * static_cast<LONG>(s.size()) + 4, LineY() + 26};
  }
  // The top of the window and what lies left of it, within the screen.
  RECT Around() const {
    return {std::max<LONG>(0, w_.left - 300), std::max<LONG>(0, w_.top - 10),
            std::min<LONG>(GetSystemMetrics(SM_CXSCREEN), w_.right + 10),
            std::min<LONG>(GetSystemMetrics(SM_CYSCREEN), w_.top + 60)};
  }

  win::Window window_;
  RECT w_{}, c_{};
};

// A caption without buttons keeps the classic rule; a line that would reach a
// window's buttons moves left of them (below).
constexpr DWORD kNoButtons = WS_CAPTION | WS_THICKFRAME;

TEST_F(PainterOnScreen, PaintsTheLineInYellowWhereTheGeometrySays) {
  ASSERT_NO_FATAL_FAILURE(Show(100, 100, 400, 200, kNoButtons));
  const std::string line = "ABCDEFGHIJ";
  PresentAtActiveWindow("", line);
  YellowArea all = FindYellow(Around());
  YellowArea band = FindYellow(LineBand(line));
  EXPECT_GT(band.count, 60);
  EXPECT_EQ(all.count, band.count) << "yellow outside the line's place";
  EXPECT_GE(band.box.left, LineX(line));
  EXPECT_GE(band.box.top, LineY());
}

TEST_F(PainterOnScreen, TwentyByteLineFitsAWindow266WideButNot265) {
  const std::string line = "0123456789ABCDEFGHIJ";
  // With buttons the measured line would have to clear them and could not
  // fit either width.
  ASSERT_NO_FATAL_FAILURE(Show(200, 150, 266, 200, kNoButtons));
  PresentAtActiveWindow("", line);
  EXPECT_GT(FindYellow(LineBand(line)).count, 60);
  window_.reset();
  Repaint();

  ASSERT_NO_FATAL_FAILURE(Show(200, 150, 265, 200, kNoButtons));
  PresentAtActiveWindow("", line);
  EXPECT_EQ(FindYellow(Around()).count, 0);
}

// Wine's buttons take the last 58 pixels of a window at 96 dpi; the classic
// place, reckoned at 10 pixels a byte, would run a 40-byte line measured at
// about 11 into the minimise button.
TEST_F(PainterOnScreen, TheMeasuredLineEndsLeftOfTheCaptionButtons) {
  ASSERT_NO_FATAL_FAILURE(Show(100, 100, 600, 200));
  LONG buttonsLeft = w_.right;
  for (LONG x = w_.right - 1; x > w_.left; --x) {
    const LRESULT hit = SendMessageA(window_.get(), WM_NCHITTEST, 0, MAKELPARAM(x, w_.top + Border() + 8));
    if (hit == HTMINBUTTON || hit == HTMAXBUTTON || hit == HTCLOSE) buttonsLeft = x;
  }
  ASSERT_LT(buttonsLeft, w_.right);
  const std::string line = "0123456789ABCDEFGHIJ0123456789ABCDEFGHIJ";
  PresentAtActiveWindow("", line);
  const YellowArea found = FindYellow(Around());
  EXPECT_GT(found.count, 60);
  EXPECT_LE(found.box.right, buttonsLeft);
  EXPECT_GE(found.box.left, w_.left + Border());
}

TEST_F(PainterOnScreen, WindowWhoseTopIsAtScreenHeightMinus80GetsNothing) {
  const int h = GetSystemMetrics(SM_CYSCREEN);
  const std::string line = "ABCDEFGHIJ";
  ASSERT_NO_FATAL_FAILURE(Show(100, h - 80, 600, 200));
  PresentAtActiveWindow("", line);
  EXPECT_EQ(FindYellow(Around()).count, 0);
  window_.reset();
  Repaint();

  ASSERT_NO_FATAL_FAILURE(Show(100, h - 81, 600, 200));
  PresentAtActiveWindow("", line);
  EXPECT_GT(FindYellow(LineBand(line)).count, 60);
}

TEST_F(PainterOnScreen, EmptyLinesPaintNothing) {
  ASSERT_NO_FATAL_FAILURE(Show(100, 100, 400, 200));
  std::vector<uint32_t> before = test::CaptureScreen(Around());
  PresentAtActiveWindow("", "");
  EXPECT_EQ(test::CaptureScreen(Around()), before);
}

TEST_F(PainterOnScreen, PreviousLineIsPaintedOverInTheSampledColour) {
  ASSERT_NO_FATAL_FAILURE(Show(100, 100, 400, 200));
  // The first glyph starts at the line's left end; the sample is taken just
  // left of it, on the caption behind.
  const std::string line = "WBCDEFGHIJ";
  PresentAtActiveWindow("", line);
  ASSERT_GT(FindYellow(LineBand(line)).count, 60);
  PresentAtActiveWindow(line, "");
  EXPECT_EQ(FindYellow(Around()).count, 0);
}

TEST_F(PainterOnScreen, TicksOverAPlainBackgroundLeaveOnlyTheCurrentLine) {
  // A plain white window without a frame: the text lies on its client area.
  ASSERT_NO_FATAL_FAILURE(Show(100, 100, 500, 200, WS_POPUP));
  // 励志人生 and lines whose first glyphs fill their left ends. Wide Latin
  // letters run past 10 pixels a byte in the stand-in font, so longer lines
  // are mostly Chinese: a glyph reaching past the window's edge would be
  // erased in the window's colour over the desktop.
  const std::vector<std::string> lines = {"\xC0\xF8\xD6\xBE\xC8\xCB\xC9\xFA", "WM\xCC\xEC\xCC\xEC\xCF\xF2\xC9\xCF",
                                          "MW", "\xC0\xF8WWW"};
  std::string previous;
  for (const std::string& line : lines) {
    PresentAtActiveWindow(previous, line);
    previous = line;
  }
  std::vector<uint32_t> after = test::CaptureScreen(Around());
  Repaint();
  PresentAtActiveWindow("", previous);
  std::vector<uint32_t> onlyTheLast = test::CaptureScreen(Around());
  ASSERT_EQ(after.size(), onlyTheLast.size());
  size_t differing = 0;
  for (size_t i = 0; i < after.size(); ++i) differing += after[i] != onlyTheLast[i];
  EXPECT_EQ(differing, 0u) << "remnants of earlier lines";
}

TEST_F(PainterOnScreen, PaintTextDefaultsToRedAndPaintsIntoAWindow) {
  ASSERT_NO_FATAL_FAILURE(Show(100, 100, 400, 200));
  PaintTextArgs args;
  args.window = window_.get();
  args.x = 10;
  args.y = 10;
  args.text = "WWWW";
  PaintText(args);
  test::PumpFor(100);  // a window's drawing reaches the screen when its thread next waits
  POINT origin{0, 0};
  ClientToScreen(window_.get(), &origin);
  RECT area{origin.x, origin.y, origin.x + 120, origin.y + 40};
  std::vector<uint32_t> pixels = test::CaptureScreen(area);
  int red = 0;
  // Red strokes, smoothed into the white background: red well above green and blue.
  for (uint32_t p : pixels) {
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    red += r > 200 && r > std::max(g, b) + 60;
  }
  EXPECT_GT(red, 20);
}

}  // namespace
}  // namespace lizhi::presenters
