// libFuzzer target for the tip's size: markup measured with a fixed measurer,
// then laid out as a tip with geometry, shadow, placement and a work area taken
// from the input. Whatever the line and the properties, the window must stay
// within the work area, hold its content and keep its anchor on the point.
// Built by scripts/fuzz-smoke with clang++ and -fsanitize=fuzzer,address,undefined.
//
// Input: 32 bytes of properties (missing bytes count as 0), then the markup.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "support/fake_measurer.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/rich_text/layout.h"
#include "units/tip/tip_layout.h"

namespace {

using namespace lizhi::tip;

void Check(bool ok) {
  if (!ok) std::abort();
}

// Reads the properties as signed 16-bit values, scaled now and then to the
// extremes a caller may write.
class Properties {
 public:
  Properties(const uint8_t* data, size_t size) : data_(data), size_(size < kBytes ? size : kBytes) {}
  int32_t Next() {
    uint8_t b[2] = {Byte(), Byte()};
    int16_t v;
    std::memcpy(&v, b, sizeof v);
    if ((b[0] & 0x0F) == 0x0F) return v < 0 ? INT32_MIN : INT32_MAX;
    return v;
  }
  static constexpr size_t kBytes = 32;

 private:
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Properties p(data, size);
  TipLayoutInput in;
  for (int32_t& g : in.geometry) g = p.Next();
  in.shadowX = p.Next();
  in.shadowY = p.Next();
  in.placement = p.Next() & 0x3F;
  const int32_t areaWidth = p.Next() & 0x1FFF, areaHeight = p.Next() & 0x1FFF;
  in.workArea = {0, 0, areaWidth, areaHeight};
  in.screen = {-1920, 0, 1920, 1080};
  in.point = {p.Next() % 4096, p.Next() % 4096};

  const size_t skip = size < Properties::kBytes ? size : Properties::kBytes;
  const std::string_view markup(reinterpret_cast<const char*>(data) + skip, size - skip);
  lizhi::test::FakeMeasurer measurer;
  lizhi::test::FakeSystemColours system;
  ColourTable colours(system);
  StyleTable styles;
  styles.Parse(kDefaultStyleSheet);
  // Measured within the cap and drawn within the content, as the tip does.
  const TipCap cap = CapOf(in);
  LayoutContext context{styles, colours, measurer, -1, {cap.width, cap.height}};
  const Size measured = MeasureMarkup(markup, context);
  Check(measured.cx <= cap.width && measured.cy <= cap.height);
  in.contentWidth = measured.cx + 1;  // as the drawer reports it
  in.contentHeight = measured.cy + 1;

  const TipLayout t = LayOutTip(in);
  context.reach = {t.content.width(), t.content.height()};
  ArrangeMarkup(markup, context, {t.content.left, t.content.top, t.content.right, t.content.bottom});
  Check(cap.width > 0 && cap.height > 0);
  Check(t.windowWidth >= 0 && t.windowWidth <= cap.width);
  Check(t.windowHeight >= 0 && t.windowHeight <= cap.height);
  Check(t.window.left == 0 && t.window.top == 0 && t.window.right <= t.windowWidth &&
        t.window.bottom <= t.windowHeight);
  Check(t.body.left >= 0 && t.body.top >= 0 && t.body.right <= t.window.right && t.body.bottom <= t.window.bottom);
  Check(t.content.left >= t.body.left && t.content.top >= t.body.top && t.content.right <= t.body.right &&
        t.content.bottom <= t.body.bottom);
  Check(t.anchor.x >= 0 && t.anchor.x <= t.window.right && t.anchor.y >= 0 && t.anchor.y <= t.window.bottom);
  Check(t.origin.x + t.anchor.x == in.point.x && t.origin.y + t.anchor.y == in.point.y);
  return 0;
}
