// Measure + arrange of mixed tip markup with the fixed measurer, at 64 KiB
// and 4x and 16x that, to show that the cost grows linearly with the text.
#include <algorithm>
#include <chrono>
#include <cstdio>
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
  std::printf("tip markup layout, fixed measurer, measure + arrange (median of runs)\n");
  double base = 0;
  for (int factor : {1, 4, 16}) {
    std::string markup = bench::MixedMarkup(static_cast<size_t>(factor) * 64 * 1024);
    std::vector<double> times;
    size_t ops = 0;
    for (int run = 0; run < std::max(3, 21 / factor); ++run) {
      auto start = std::chrono::steady_clock::now();
      tip::Size size = tip::MeasureMarkup(markup, context);
      tip::DrawList list = tip::ArrangeMarkup(markup, context, {0, 0, size.cx, size.cy});
      auto stop = std::chrono::steady_clock::now();
      ops = list.ops.size();
      times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    double median = times[times.size() / 2];
    if (factor == 1) base = median;
    std::printf("  %3d KiB: %8.2f ms  (%.3f ms/KiB, %.2fx the 64 KiB time, %zu draw operations)\n", factor * 64,
                median, median / (factor * 64), median / base, ops);
  }
  return 0;
}
