// Measure + arrange of mixed tip markup with the fixed measurer, at 64 KiB
// and 4x and 16x that, to show that the cost grows linearly with the text.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "bench_markup.h"
#include "support/fake_measurer.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/rich_text/layout.h"

using namespace lizhi;

int main() {
  test::FakeMeasurer measurer;
  test::FakeSystemColours system;
  tip::ColourTable colours(system);
  tip::StyleTable styles;
  styles.Parse(tip::kDefaultStyleSheet);
  tip::LayoutContext context{styles, colours, measurer, -1};
  std::printf(
      "tip markup layout, fixed measurer, measure + arrange (median of runs; CPU time is the figure,\n"
      "wall time shows what a busy machine added)\n");
  double base = 0;
  for (int factor : {1, 4, 16}) {
    std::string markup = bench::MixedMarkup(static_cast<size_t>(factor) * 64 * 1024);
    std::vector<double> times;
    std::vector<double> cpu;
    size_t ops = 0;
    for (int run = 0; run < std::max(3, 21 / factor); ++run) {
      std::clock_t cpuStart = std::clock();
      auto start = std::chrono::steady_clock::now();
      tip::Size size = tip::MeasureMarkup(markup, context);
      // The whole text, not only the first 32767 pixels a measured size allows.
      tip::DrawList list = tip::ArrangeMarkup(markup, context, {0, 0, size.cx, 1 << 22});
      auto stop = std::chrono::steady_clock::now();
      ops = list.ops.size();
      times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
      cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    double median = cpu[cpu.size() / 2];
    if (factor == 1) base = median;
    std::printf("  %4d KiB: %8.2f ms CPU, %8.2f ms wall  (%.3f ms/KiB, %.2fx the 64 KiB time, %zu draw operations)\n",
                factor * 64, median, times[times.size() / 2], median / (factor * 64), median / base, ops);
  }
  return 0;
}
