// Under Wine: measure + draw of a one-line tip (20 Chinese characters in the
// default style sheet) into a 32-bit DIB, and the gradient effects 1-6 over
// 400 x 120. Prints the mean time of each.
//   cd build/win32 && wine rich_text_bench_win.exe
#include <windows.h>

#include <cstdio>

#include "bench_markup.h"
#include "runtime/base/win_handles.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/rich_text/rich_text_drawer.h"

using namespace lizhi;

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

}  // namespace

int main() {
  win::WindowDc screen(nullptr);
  win::MemoryDc dc(CreateCompatibleDC(screen.get()));
  win::TopDownDib dib = win::CreateTopDownDib(dc.get(), 640, 200);
  win::Selected selected(dc.get(), dib.bitmap.get());

  tip::RichTextDrawer drawer;
  drawer.SetStyleSheet(tip::kDefaultStyleSheet);
  std::string line = bench::OneLineTip();
  const int runs = 500;
  drawer.Measure(dc.get(), line.c_str());  // fonts and glyphs warm
  double start = Now();
  for (int i = 0; i < runs; ++i) {
    SIZE size = drawer.Measure(dc.get(), line.c_str());
    RECT rect{12, 12, 12 + size.cx, 12 + size.cy};
    drawer.Draw(dc.get(), line.c_str(), rect);
  }
  GdiFlush();
  std::printf("one-line tip, measure + draw: %.3f ms\n", (Now() - start) / runs);

  // One run of 200 KB without a break: measured whole, measured within a
  // 1024 x 768 cap as a tip measures it, and arranged and drawn with GDI.
  std::string run;
  while (run.size() < 200 * 1024) run += "\xD5\xE2\xCA\xC7";  // 这是
  start = Now();
  SIZE runSize = drawer.Measure(dc.get(), run.c_str());
  const double measured = Now() - start;
  start = Now();
  drawer.Measure(dc.get(), run.c_str(), SIZE{1024, 768});
  const double capped = Now() - start;
  RECT runRect{12, 12, 12 + 600, 12 + 180};
  start = Now();
  drawer.Draw(dc.get(), run.c_str(), runRect);
  GdiFlush();
  std::printf(
      "one 200 KB run, %ld x %ld: measured whole %.1f ms, within the cap %.2f ms, arranged + drawn into 600 x 180 "
      "%.2f ms\n",
      runSize.cx, runSize.cy, measured, capped, Now() - start);

  RECT area{0, 0, 400, 120};
  for (int effect = 1; effect <= 6; ++effect) {
    start = Now();
    for (int i = 0; i < runs; ++i) {
      tip::RichTextDrawer::DrawBackgroundEffect(dc.get(), area, effect, RGB(255, 255, 225), RGB(192, 192, 255),
                                                RGB(255, 192, 192), 5);
    }
    GdiFlush();
    std::printf("effect %d over 400 x 120: %.3f ms\n", effect, (Now() - start) / runs);
  }
  start = Now();
  for (int i = 0; i < 20; ++i) {
    tip::RichTextDrawer::DrawBackgroundEffect(dc.get(), area, 15, RGB(255, 255, 225), RGB(192, 192, 255),
                                              RGB(255, 192, 192), 5);
  }
  std::printf("effect 15 (metal, pixels) over 400 x 120: %.3f ms\n", (Now() - start) / 20);
  return 0;
}
