// The structure layout builds from markup before anything is placed: flows of
// lines of pieces, and tables of cells that each hold a flow.
#pragma once
#include <string>
#include <vector>

#include "units/tip/rich_text/draw_ops.h"
#include "units/tip/rich_text/text_style.h"

namespace lizhi::tip {

struct Piece {
  enum class Kind : uint8_t { Text, Image, Table };
  Kind kind = Kind::Text;
  VAlign valign = VAlign::Baseline;
  int x = 0;  // from the flow's left edge
  int width = 0;
  int ascent = 0;
  int descent = 0;
  int link = -1;
  int payload = 0;  // index of the text, image or table
};

struct RuleLine {
  int width = 100;
  bool percent = true;
  int size = 1;
  Colour colour = 0;
};

struct Line {
  size_t firstPiece = 0;
  size_t endPiece = 0;
  int width = 0;
  int ascent = 0;
  int descent = 0;
  int emptyHeight = 0;  // the font height, for a line where nothing was placed
  int count = 1;        // a "br" with a count moves down that many lines
  int rule = -1;        // index of a horizontal rule filling this line
  HAlign align = HAlign::Left;
  bool aligned = false;     // align was taken from the line's first piece
  bool holdsTable = false;  // a table may be placed narrower than it measured
  int Height() const { return rule >= 0 || endPiece > firstPiece ? ascent + descent : emptyHeight; }
  bool HasContent() const { return rule >= 0 || endPiece > firstPiece; }
};

struct Flow {
  std::vector<Line> lines;
  std::vector<Piece> pieces;
  int x = 0;
  Size Natural() const;
};

struct TextItem {
  FontKey font;
  Colour colour = 0;
  Colour back = 0;
  bool opaque = false;
  bool overline = false;
  std::string text;
};

struct ImageItem {
  ImageRequest image;
  bool hot = false;
};

// Borders, background and spacing of a table or a cell.
struct BoxStyle {
  int margin[4] = {0, 0, 0, 0};
  int padding[4] = {0, 0, 0, 0};
  int borderStyle = 0;
  int borderWidth = 0;
  Colour light = 0;
  Colour dark = 0;
  int effect = kTransparentEffect;
  Colour begin = 0;
  Colour middle = 0;
  Colour end = 0;
  VAlign valign = VAlign::Baseline;
  int Border() const { return borderStyle != 0 ? borderWidth : 0; }
};

struct Cell {
  int flow = 0;
  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int columnSpan = 1;
  int width = 0;  // asked width: pixels, or a percentage when widthPercent
  bool widthPercent = false;
  int height = 0;
  BoxStyle box;
};

struct Table {
  BoxStyle box;
  std::vector<Cell> cells;
  std::vector<int> columnWidths;
  std::vector<int> rowHeights;
  std::vector<int> busyUntil;  // per column: first row not covered by a row span above
  int rows = 0;                // rows begun
  int nextColumn = 0;
  Size natural;
  std::vector<int> placedColumns;  // column widths fitted to the room at drawing time
  int placedWidth = 0;
};

constexpr int kMaxTableDepth = 16;
constexpr int kMaxSpan = 64;
constexpr int kMaxRepeat = 100;
constexpr int kTabStop = 32;
constexpr int kCellGranularity = 5;

}  // namespace lizhi::tip
