// The second pass: every piece gets its final position from the metrics of
// its line and the alignment recorded for that line, clipped to the room it
// was given (the rectangle, or the cell that holds it).
#include <algorithm>

#include "units/tip/rich_text/layout_builder.h"

namespace lizhi::tip {
namespace {

int VerticalOffset(const Piece& piece, const Line& line) {
  int lineHeight = line.ascent + line.descent;
  switch (piece.valign) {
    case VAlign::Top:
      return 0;
    case VAlign::Middle:
      return (lineHeight - piece.ascent - piece.descent) / 2;
    case VAlign::Bottom:
      return lineHeight - piece.ascent;
    case VAlign::Baseline:
      break;
  }
  return line.ascent - piece.ascent;
}

int AlignOffset(HAlign align, int room, int width) {
  int spare = std::max(0, room - width);
  return align == HAlign::Center ? spare / 2 : align == HAlign::Right ? spare : 0;
}

Rect Inset(const Rect& r, int left, int top, int right, int bottom) {
  Rect out{r.left + left, r.top + top, r.right - right, r.bottom - bottom};
  out.right = std::max(out.right, out.left);
  out.bottom = std::max(out.bottom, out.top);
  return out;
}

void AddArea(DrawList& out, int link, const Rect& rect, const Rect& clip) {
  if (link < 0) return;
  Rect area = rect.Intersect(clip);
  if (!area.Empty()) out.areas.push_back({area, link});
}

}  // namespace

Rect Rect::Intersect(const Rect& o) const {
  Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
  if (r.Empty()) return Rect{r.left, r.top, r.left, r.top};
  return r;
}

DrawList LayoutBuilder::Place(const Rect& rect) {
  DrawList out;
  out.links = links_;
  out.ops.reserve(texts_.size() + images_.size() + rules_.size() + 2 * tables_.size());
  PlaceFlow(0, rect, rect, out);
  return out;
}

void LayoutBuilder::PlaceFlow(int flowIndex, const Rect& box, const Rect& clip, DrawList& out) {
  long long y = box.top;
  const size_t lineCount = flows_[flowIndex].lines.size();
  for (size_t li = 0; li < lineCount; ++li) {
    if (y > clip.bottom) break;  // the rest lies below the room
    const Line line = flows_[flowIndex].lines[li];
    if (li + 1 == lineCount && li > 0 && !line.HasContent()) break;
    int height = line.Height();
    int top = static_cast<int>(y);
    if (line.rule >= 0) {
      const RuleLine& rule = rules_[line.rule];
      int width = rule.percent ? static_cast<int>(static_cast<long long>(box.Width()) * rule.width / 100) : rule.width;
      width = std::clamp(width, 0, std::max(0, box.Width()));
      int left = box.left + (box.Width() - width) / 2;
      int ruleTop = top + (height - rule.size) / 2;
      Rect r = Rect{left, ruleTop, left + width, ruleTop + rule.size}.Intersect(clip);
      if (!r.Empty()) out.ops.push_back(RuleOp{r, rule.colour});
      y += static_cast<long long>(line.count) * height;
      continue;
    }
    // Tables take their width from the room left for them.
    int grow = 0;
    for (size_t pi = line.firstPiece; pi < line.endPiece; ++pi) {
      const Piece& p = flows_[flowIndex].pieces[pi];
      if (p.kind == Piece::Kind::Table) grow += ResolveTableWidth(p.payload, box.Width() - p.x - grow) - p.width;
    }
    int left = box.left + AlignOffset(line.align, box.Width(), line.width + grow);
    int shift = 0;
    for (size_t pi = line.firstPiece; pi < line.endPiece; ++pi) {
      const Piece p = flows_[flowIndex].pieces[pi];
      int x = left + p.x + shift;
      int py = top + VerticalOffset(p, line);
      Rect bounds{x, py, x + p.width, py + p.ascent + p.descent};
      if (p.kind == Piece::Kind::Text) {
        const TextItem& item = texts_[p.payload];
        if (!bounds.Intersect(clip).Empty()) {
          out.ops.push_back(TextOp{item.font, item.colour, item.back, item.opaque, x, py, clip, item.text});
          if (item.overline) {
            int thickness = item.font.weight < 700 ? 1 : 2;
            Rect over = Rect{x, py, x + p.width, py + thickness}.Intersect(clip);
            if (!over.Empty()) out.ops.push_back(RuleOp{over, item.colour});
          }
        }
        AddArea(out, p.link, bounds, clip);
      } else if (p.kind == Piece::Kind::Image) {
        const ImageItem& item = images_[p.payload];
        if (!bounds.Intersect(clip).Empty()) out.ops.push_back(ImageOp{bounds, clip, item.image, item.hot});
        AddArea(out, p.link, bounds, clip);
      } else {
        const Table& table = tables_[p.payload];
        PlaceTable(p.payload, x, py, table.placedWidth, clip, out);
        shift += table.placedWidth - p.width;
      }
    }
    y += static_cast<long long>(line.count) * height;
  }
}

void LayoutBuilder::PlaceTable(int tableIndex, int x, int y, int width, const Rect& clip, DrawList& out) {
  // Copies: placing nested tables refits their own columns only.
  const std::vector<int> columns = tables_[tableIndex].placedColumns;
  const Table& table = tables_[tableIndex];
  const BoxStyle& tb = table.box;
  int border = tb.Border();
  std::vector<int> columnX(columns.size() + 1, x + border);
  for (size_t c = 0; c < columns.size(); ++c) columnX[c + 1] = columnX[c] + columns[c];
  std::vector<int> rowY(table.rowHeights.size() + 1, y + border);
  for (size_t r = 0; r < table.rowHeights.size(); ++r) {
    rowY[r + 1] = static_cast<int>(std::min<long long>(static_cast<long long>(rowY[r]) + table.rowHeights[r], 1 << 24));
  }
  Rect outer = Rect{x, y, x + width, rowY.back() + border}.Intersect(clip);
  if (!outer.Empty()) {
    if (tb.effect >= 0)
      out.ops.push_back(BackgroundOp{outer, tb.effect, tb.begin, tb.middle, tb.end, kCellGranularity});
    if (border > 0) out.ops.push_back(BorderOp{outer, tb.borderStyle, border, tb.light, tb.dark});
  }
  const size_t cellCount = table.cells.size();
  for (size_t ci = 0; ci < cellCount; ++ci) {
    const Cell cell = tables_[tableIndex].cells[ci];
    const BoxStyle& b = cell.box;
    Rect slot{columnX[cell.column], rowY[cell.row], columnX[cell.column + cell.columnSpan],
              rowY[std::min<size_t>(cell.row + cell.rowSpan, rowY.size() - 1)]};
    Rect box = Inset(slot, b.margin[0], b.margin[1], b.margin[2], b.margin[3]);
    Rect shown = box.Intersect(clip);  // a cell never leaves the room it was given
    if (shown.Empty()) continue;
    if (b.effect >= 0) out.ops.push_back(BackgroundOp{shown, b.effect, b.begin, b.middle, b.end, kCellGranularity});
    int bw = b.Border();
    if (bw > 0) out.ops.push_back(BorderOp{shown, b.borderStyle, bw, b.light, b.dark});
    Rect content = Inset(box, bw + b.padding[0], bw + b.padding[1], bw + b.padding[2], bw + b.padding[3]);
    int spare = content.Height() - flows_[cell.flow].Natural().cy;
    int offset = b.valign == VAlign::Middle ? spare / 2 : b.valign == VAlign::Bottom ? spare : 0;
    Rect flowBox{content.left, content.top + std::max(0, offset), content.right, content.bottom};
    PlaceFlow(cell.flow, flowBox, content.Intersect(shown), out);
  }
}

}  // namespace lizhi::tip
