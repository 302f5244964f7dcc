// Laying out tip markup: Measure gives the size the text needs, Arrange the
// drawing operations and link areas inside a rectangle. Both read the whole
// markup again, so the cost grows linearly with its length.
#pragma once
#include <string_view>

#include "units/tip/rich_text/draw_ops.h"
#include "units/tip/rich_text/style_sheet.h"

namespace lizhi::tip {

struct LayoutContext {
  const StyleTable& styles;
  const ColourTable& colours;
  Measurer& measurer;
  int hoveredLink = -1;  // the link drawn in its "a:hover" style
};

// The size of the laid-out text (without the extra pixel the drawer adds).
Size MeasureMarkup(std::string_view markup, const LayoutContext& context);
DrawList ArrangeMarkup(std::string_view markup, const LayoutContext& context, const Rect& rect);

}  // namespace lizhi::tip
