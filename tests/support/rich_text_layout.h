// Laying out tip markup in tests: the fake measurer, the default style sheet
// and helpers that pick the drawing operations apart.
#pragma once
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "support/fake_measurer.h"
#include "units/tip/rich_text/default_style_sheet.h"
#include "units/tip/rich_text/layout.h"

namespace lizhi::test {

struct RichTextRig {
  FakeMeasurer measurer;
  FakeSystemColours system;
  tip::ColourTable colours{system};
  tip::StyleTable styles;
  int hovered = -1;

  RichTextRig() { styles.Parse(tip::kDefaultStyleSheet); }
  tip::LayoutContext Context() { return {styles, colours, measurer, hovered}; }
  tip::Size Measure(std::string_view markup) { return tip::MeasureMarkup(markup, Context()); }
  tip::DrawList Arrange(std::string_view markup, tip::Rect rect = {0, 0, 400, 300}) {
    return tip::ArrangeMarkup(markup, Context(), rect);
  }
};

template <typename Op>
std::vector<Op> OpsOf(const tip::DrawList& list) {
  std::vector<Op> out;
  for (const tip::DrawOp& op : list.ops) {
    if (const Op* o = std::get_if<Op>(&op)) out.push_back(*o);
  }
  return out;
}

inline std::vector<tip::TextOp> Texts(const tip::DrawList& list) { return OpsOf<tip::TextOp>(list); }

inline std::string Joined(const tip::DrawList& list) {
  std::string out;
  for (const tip::TextOp& t : Texts(list)) out += t.text;
  return out;
}

}  // namespace lizhi::test
