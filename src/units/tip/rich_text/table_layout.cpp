// Sizing of tables. A column is as wide as its widest single-column cell (or
// the width a cell asks for); a spanning cell that needs more room shares the
// shortfall out evenly over its columns. Rows are sized the same way by
// height. At drawing time percent widths take their share of the room, and a
// table wider than the room is scaled down to fit it.
#include <algorithm>
#include <numeric>

#include "units/tip/rich_text/layout_builder.h"

namespace lizhi::tip {
namespace {

constexpr long long kMaxSide = 1 << 22;

int Clamp(long long v) { return static_cast<int>(std::clamp<long long>(v, 0, kMaxSide)); }

long long Sum(const std::vector<int>& sizes, int first, int count) {
  long long total = 0;
  for (int i = first; i < first + count && i < static_cast<int>(sizes.size()); ++i) total += sizes[i];
  return total;
}

// Widens sizes[first .. first + count) so that together they hold need.
void Share(std::vector<int>& sizes, int first, int count, long long need) {
  long long shortfall = need - Sum(sizes, first, count);
  if (shortfall <= 0) return;
  for (int i = 0; i < count; ++i) {
    long long part = shortfall / count + (i == count - 1 ? shortfall % count : 0);
    sizes[first + i] = Clamp(sizes[first + i] + part);
  }
}

long long OuterWidth(const Cell& cell, Size content) {
  const BoxStyle& b = cell.box;
  long long inner = static_cast<long long>(content.cx) + b.padding[0] + b.padding[2] + 2LL * b.Border();
  if (!cell.widthPercent) inner = std::max<long long>(inner, cell.width);
  return inner + b.margin[0] + b.margin[2];
}

long long OuterHeight(const Cell& cell, Size content) {
  const BoxStyle& b = cell.box;
  long long inner = static_cast<long long>(content.cy) + b.padding[1] + b.padding[3] + 2LL * b.Border();
  inner = std::max<long long>(inner, cell.height);
  return inner + b.margin[1] + b.margin[3];
}

}  // namespace

void LayoutBuilder::FinishTable(Table& table) {
  int columns = static_cast<int>(table.busyUntil.size());
  int rows = table.rows;
  for (const Cell& cell : table.cells) rows = std::max(rows, cell.row + cell.rowSpan);
  table.columnWidths.assign(columns, 0);
  table.rowHeights.assign(rows, 0);
  for (int pass = 0; pass < 2; ++pass) {  // single cells first, then the spanning ones
    for (const Cell& cell : table.cells) {
      Size content = flows_[cell.flow].Natural();
      if ((cell.columnSpan > 1) == (pass == 1)) {
        Share(table.columnWidths, cell.column, cell.columnSpan, OuterWidth(cell, content));
      }
      if ((cell.rowSpan > 1) == (pass == 1)) {
        Share(table.rowHeights, cell.row, cell.rowSpan, OuterHeight(cell, content));
      }
    }
  }
  long long border = 2LL * table.box.Border();
  table.natural.cx = Clamp(Sum(table.columnWidths, 0, columns) + border);
  table.natural.cy = Clamp(Sum(table.rowHeights, 0, rows) + border);
  table.placedColumns = table.columnWidths;
  table.placedWidth = table.natural.cx;
}

int LayoutBuilder::ResolveTableWidth(int tableIndex, int available) {
  Table& table = tables_[tableIndex];
  std::vector<int>& widths = table.placedColumns;
  widths = table.columnWidths;
  int border = table.box.Border();
  long long room = std::max(0, available - 2 * border);
  for (const Cell& cell : table.cells) {
    if (cell.widthPercent && cell.columnSpan == 1) {
      long long asked = room * cell.width / 100 + cell.box.margin[0] + cell.box.margin[2];
      widths[cell.column] = Clamp(std::max<long long>(widths[cell.column], asked));
    }
  }
  long long total = Sum(widths, 0, static_cast<int>(widths.size()));
  if (total > room) {
    long long placed = 0;
    for (int& w : widths) {
      w = Clamp(w * room / std::max(total, 1LL));
      placed += w;
    }
    total = placed;
  }
  table.placedWidth = Clamp(total + 2 * border);
  return table.placedWidth;
}

}  // namespace lizhi::tip
