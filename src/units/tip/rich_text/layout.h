// Laying out tip markup: Measure gives the size the text needs, Arrange the
// drawing operations and link areas inside a rectangle. Both read the whole
// markup again, so the cost grows linearly with its length; a reach bounds
// what is measured and kept to what can be shown.
#pragma once
#include <string_view>

#include "units/tip/rich_text/draw_ops.h"
#include "units/tip/rich_text/style_sheet.h"

namespace lizhi::tip {

constexpr int kUnlimitedReach = 1 << 30;

struct LayoutContext {
  const StyleTable& styles;
  const ColourTable& colours;
  Measurer& measurer;
  int hoveredLink = -1;  // the link drawn in its "a:hover" style
  // How far from the layout's top left corner anything can be seen. Outside
  // tables, a text run is measured and kept only up to its first characters
  // past the reach across (with a font height to spare for overhanging
  // glyphs), and one that starts past it is not measured at all; Arrange
  // stops reading at the first line that starts below the reach down. A line
  // of any length then costs what the room it is shown in holds.
  Size reach{kUnlimitedReach, kUnlimitedReach};
};

// The size of the laid-out text (without the extra pixel the drawer adds),
// cut to the reach across: with a reach it is min(the size without one,
// reach) across and the same down.
Size MeasureMarkup(std::string_view markup, const LayoutContext& context);
// With the rectangle's size as the reach, the same drawing as without one,
// except that text runs end at their first characters past the rectangle.
DrawList ArrangeMarkup(std::string_view markup, const LayoutContext& context, const Rect& rect);

}  // namespace lizhi::tip
