// libFuzzer target for tip markup: the tokenizer, the style sheet parser, the
// layout with a fixed measurer, and the background effect arithmetic. Built by
// scripts/fuzz-smoke with clang++ and -fsanitize=fuzzer,address,undefined.
//
// Input: a style sheet, a zero byte, then the markup; without a zero byte the
// whole input is markup laid out with the default sheet. Every drawn cell,
// rule, image and link area must stay inside the rectangle.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <variant>

#include "support/fake_measurer.h"
#include "units/tip/rich_text/background_effect.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/rich_text/layout.h"
#include "units/tip/rich_text/link_rules.h"

namespace {

using namespace lizhi::tip;

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckInside(const DrawList& list, const Rect& rect) {
  for (const DrawOp& op : list.ops) {
    if (const auto* t = std::get_if<TextOp>(&op)) {
      Check(t->clip.Inside(rect));
    } else if (const auto* i = std::get_if<ImageOp>(&op)) {
      Check(i->clip.Inside(rect));
    } else {
      std::visit(
          [&](const auto& o) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(o)>, TextOp> &&
                          !std::is_same_v<std::decay_t<decltype(o)>, ImageOp>) {
              Check(o.rect.Inside(rect));
            }
          },
          op);
    }
  }
  for (const LinkArea& area : list.areas) {
    Check(area.rect.Inside(rect));
    Check(area.link >= 0 && static_cast<size_t>(area.link) < list.links.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  lizhi::test::FakeMeasurer measurer;
  lizhi::test::FakeSystemColours system;
  ColourTable colours(system);
  StyleTable styles;
  std::string_view markup = input;
  size_t zero = input.find('\0');
  if (zero == std::string_view::npos) {
    styles.Parse(kDefaultStyleSheet);
  } else {
    styles.Parse(input.substr(0, zero));
    markup = input.substr(zero + 1);
  }
  int hovered = size > 0 ? data[0] % 4 - 1 : -1;
  LayoutContext context{styles, colours, measurer, hovered};
  Size natural = MeasureMarkup(markup, context);
  Check(natural.cx >= 0 && natural.cy >= 0 && natural.cx <= 32767 && natural.cy <= 32767);
  int w = size > 1 ? data[1] * 2 : 100;
  int h = size > 2 ? data[2] : 50;
  Rect rect{7, 11, 7 + w, 11 + h};
  CheckInside(ArrangeMarkup(markup, context, rect), rect);

  for (const Link& link : ArrangeMarkup(markup, context, rect).links) {
    if (IsOpenableAddress(link.target)) Check(link.target.find('"') == std::string::npos);
    (void)IsLocalPath(link.target);
  }
  if (size > 4) {
    int effect = data[3] % 18 - 1;
    Rect band{0, 0, data[4] % 64, static_cast<int>(size % 64)};
    for (const Band& b : GradientBands(band, effect, 0x123456, 0xABCDEF, 0xFEDCBA)) Check(b.rect.Inside(band));
    (void)PatternPixels(band.Width(), band.Height(), effect, 0x123456, 0xABCDEF, 0xFEDCBA, data[4]);
  }
  return 0;
}
