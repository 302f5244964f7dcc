#include "units/tip/rich_text/layout_builder.h"

#include <algorithm>

#include "units/tip/rich_text/text_bytes.h"
#include "units/tip/rich_text/text_runs.h"

namespace lizhi::tip {
namespace {

// Coordinates stay far below the int range whatever the markup repeats.
constexpr int kMaxCoordinate = 1 << 22;

int AddClamped(int a, long long b) { return static_cast<int>(std::min<long long>(a + b, kMaxCoordinate)); }

// Runs up to this length are measured whole; longer ones in growing prefixes.
constexpr size_t kWholeRun = 256;

bool IsBlank(std::string_view run) {
  return std::all_of(run.begin(), run.end(), [](char c) { return c == ' ' || c == '\r'; });
}

BoxStyle BoxFrom(const TextStyle& s, bool withMargins) {
  BoxStyle box;
  for (int i = 0; i < 4; ++i) {
    box.margin[i] = withMargins ? std::clamp(s.margin[i], 0, kMaxLength) : 0;
    box.padding[i] = std::clamp(s.padding[i], 0, kMaxLength);
  }
  box.borderStyle = s.borderStyle;
  box.borderWidth = std::clamp(s.borderWidth, 0, 64);
  box.light = s.borderLight;
  box.dark = s.borderDark;
  box.effect = s.backEffect;
  box.begin = s.backColour;
  box.middle = s.backMiddle;
  box.end = s.backEnd;
  box.valign = s.valign;
  return box;
}

}  // namespace

Size Flow::Natural() const {
  long long height = 0;
  int width = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& line = lines[i];
    if (i + 1 == lines.size() && i > 0 && !line.HasContent()) break;
    height += static_cast<long long>(line.count) * line.Height();
    width = std::max(width, line.width);
  }
  return {width, static_cast<int>(std::min<long long>(height, kMaxCoordinate))};
}

LayoutBuilder::LayoutBuilder(const LayoutContext& context) : context_(context) {
  flows_.emplace_back();
  flows_[0].lines.emplace_back();
  flows_[0].lines.back().emptyHeight = style().font.height;
}

void LayoutBuilder::Build(std::string_view markup, bool stopBelow) {
  std::string wrapped;
  wrapped.reserve(markup.size() + 13);
  wrapped.append("<body>").append(markup).append("</body>");
  // Roughly one piece per tag: fewer reallocations of the large records.
  size_t tags = static_cast<size_t>(std::count(markup.begin(), markup.end(), '<')) + 1;
  texts_.reserve(tags);
  flows_[0].pieces.reserve(tags);
  Tokenizer tokens(wrapped);
  Token token;
  while (tokens.Next(token)) {
    if (stopBelow && openTables_.empty() && ignoredTables_ == 0 && lineTop_ >= context_.reach.cy) break;
    if (token.kind == Token::Kind::Text) {
      AddText(token.text);
    } else {
      RunTag(*this, token);
    }
  }
  while (!openTables_.empty() || ignoredTables_ > 0) CloseTable();
  line().emptyHeight = style().font.height;
}

void LayoutBuilder::ApplySelector(std::string_view selector) {
  if (const std::string* declarations = context_.styles.Find(selector)) {
    ApplyDeclarations(*declarations, style(), context_.colours, &context_.measurer);
  }
}

bool LayoutBuilder::NeedsImplicitCell() {
  return ignoredTables_ == 0 && !openTables_.empty() && !openTables_.back().inCell;
}

void LayoutBuilder::AddPiece(Piece piece) {
  Flow& f = flow();
  Line& l = line();
  if (!l.aligned) {
    l.align = style().align;
    l.aligned = true;
  }
  piece.x = f.x;
  f.x = AddClamped(f.x, piece.width);
  l.width = std::max(l.width, f.x);
  l.ascent = std::max(l.ascent, piece.ascent);
  l.descent = std::max(l.descent, piece.descent);
  f.pieces.push_back(piece);
  l.endPiece = f.pieces.size();
}

void LayoutBuilder::AddText(std::string_view run) {
  if (NeedsImplicitCell()) {
    if (IsBlank(run)) return;
    OpenCell(Token{});
  }
  const TextStyle& s = style();
  TextItem item{s.font, s.textColour, s.backColour, s.opaque, s.overline, PrepareRun(run, s.transform)};
  if (item.text.empty()) return;
  Size extent = MeasureWithinReach(s.font, item.text);
  FontMetrics metrics = context_.measurer.Metrics(s.font);
  Piece piece;
  piece.kind = Piece::Kind::Text;
  piece.valign = s.valign;
  piece.width = std::clamp(extent.cx, 0, kMaxCoordinate);
  piece.ascent = std::clamp(metrics.ascent, 0, kMaxFontHeight * 2);
  piece.descent = std::clamp(metrics.descent, 0, kMaxFontHeight * 2);
  piece.link = s.link;
  piece.payload = static_cast<int>(texts_.size());
  texts_.push_back(std::move(item));
  AddPiece(piece);
}

Size LayoutBuilder::MeasureWithinReach(const FontKey& font, std::string& text) {
  // In a table a cell's width shares out the table's room, so cell text is
  // measured whole; after a table the line may move left by what the table
  // gives up when placed.
  Measurer& measurer = context_.measurer;
  if (currentFlow_ != 0 || line().holdsTable || context_.reach.cx >= kUnlimitedReach) {
    return measurer.TextExtent(font, text);
  }
  const long long room = static_cast<long long>(context_.reach.cx) - flow().x + std::abs(font.height);
  if (room <= 0) {
    text.clear();  // starts past the reach: takes its line's height, no width
    return {};
  }
  if (text.size() <= kWholeRun) return measurer.TextExtent(font, text);
  // Prefixes of twice the length each time, on character boundaries, until
  // one reaches the room: at most twice the bytes that fit are measured.
  size_t end = 0;
  size_t goal = kWholeRun;
  while (true) {
    while (end < text.size() && end < goal) end += CharLength(text, end);
    Size extent = measurer.TextExtent(font, std::string_view(text).substr(0, end));
    if (end == text.size()) return extent;
    if (extent.cx >= room) {
      text.resize(end);
      return extent;
    }
    goal = end * 2;
  }
}

void LayoutBuilder::AddImage(ImageRequest image, const Token& tag) {
  std::optional<Size> natural = context_.measurer.ImageSize(image);
  if (!natural) return;
  if (image.cx > 0) natural->cx = image.cx;
  if (image.cy > 0) natural->cy = image.cy;
  auto side = [&](std::string_view name, int own) {
    std::string_view v = tag.Value(name);
    if (v.empty()) return std::clamp(own, 0, kMaxImageSide);
    int n = ReadInt(v.back() == '%' ? v.substr(0, v.size() - 1) : v, own, 0, 1 << 20);
    if (v.back() == '%') n = static_cast<int>(static_cast<long long>(own) * n / 100);
    return std::clamp(n, 0, kMaxImageSide);
  };
  int width = side("width", natural->cx);
  int height = side("height", natural->cy);
  if (width <= 0 || height <= 0) return;
  if (NeedsImplicitCell()) OpenCell(Token{});
  const TextStyle& s = style();
  Piece piece;
  piece.kind = Piece::Kind::Image;
  piece.valign = s.valign;
  piece.width = width;
  piece.ascent = height;
  piece.link = s.link;
  piece.payload = static_cast<int>(images_.size());
  bool hot = s.link >= 0 && s.link == context_.hoveredLink;
  images_.push_back({std::move(image), hot});
  AddPiece(piece);
}

void LayoutBuilder::AddRule(const RuleLine& rule) {
  if (NeedsImplicitCell()) OpenCell(Token{});
  if (line().HasContent()) NewLines(1);
  Line& l = line();
  l.rule = static_cast<int>(rules_.size());
  l.ascent = rule.size + 8;
  l.descent = 0;
  if (!rule.percent) l.width = rule.width;
  rules_.push_back(rule);
  NewLines(1);
}

void LayoutBuilder::NewLines(int count) {
  if (NeedsImplicitCell()) return;  // line feeds between table tags
  Flow& f = flow();
  Line& l = line();
  l.count = std::clamp(count, 1, kMaxRepeat);
  l.emptyHeight = std::abs(style().font.height);
  if (currentFlow_ == 0) lineTop_ += static_cast<long long>(l.count) * l.Height();
  Line next;
  next.firstPiece = next.endPiece = f.pieces.size();
  next.emptyHeight = l.emptyHeight;
  f.lines.push_back(next);
  f.x = 0;
}

void LayoutBuilder::Tab(int count) {
  if (NeedsImplicitCell()) return;
  Flow& f = flow();
  f.x = std::min(kMaxCoordinate, (f.x / kTabStop + std::clamp(count, 1, kMaxRepeat)) * kTabStop);
  line().width = std::max(line().width, f.x);
}

int LayoutBuilder::AddLink(Link link) {
  links_.push_back(std::move(link));
  return static_cast<int>(links_.size()) - 1;
}

void LayoutBuilder::OpenTable(const Token& tag) {
  if (NeedsImplicitCell()) OpenCell(Token{});
  if (ignoredTables_ > 0 || openTables_.size() >= static_cast<size_t>(kMaxTableDepth)) {
    ++ignoredTables_;  // too deep: its cells flow on as text
    return;
  }
  OpenTableState state;
  state.table = static_cast<int>(tables_.size());
  state.parentFlow = currentFlow_;
  state.styleDepth = styles_.Depth();
  styles_.Push("table");
  TextStyle fresh;
  fresh.effect = "table";
  style() = fresh;
  ApplySelector("table");
  ApplyCellAttributes(*this, tag);
  Table table;
  table.box = BoxFrom(style(), false);
  tables_.push_back(std::move(table));
  line().holdsTable = true;
  Piece piece;
  piece.kind = Piece::Kind::Table;
  piece.valign = VAlign::Baseline;
  piece.payload = state.table;
  AddPiece(piece);
  state.line = flow().lines.size() - 1;
  state.piece = flow().pieces.size() - 1;
  openTables_.push_back(state);
}

void LayoutBuilder::OpenRow(const Token& tag) {
  if (ignoredTables_ > 0 || openTables_.empty()) return;
  CloseRow();
  OpenTableState& state = openTables_.back();
  state.rowDepth = styles_.Depth();
  styles_.Push("tr");
  ApplyCellAttributes(*this, tag);
  state.inRow = true;
  Table& table = tables_[state.table];
  ++table.rows;
  table.nextColumn = 0;
}

void LayoutBuilder::OpenCell(const Token& tag) {
  if (ignoredTables_ > 0 || openTables_.empty()) return;
  CloseCell();
  OpenTableState& state = openTables_.back();
  Table& table = tables_[state.table];
  if (!state.inRow) {
    state.inRow = true;
    state.rowDepth = styles_.Depth();
    ++table.rows;
    table.nextColumn = 0;
  }
  state.cellDepth = styles_.Depth();
  styles_.Push("td");
  ApplyCellAttributes(*this, tag);

  Cell cell;
  cell.row = table.rows - 1;
  cell.rowSpan = ReadInt(tag.Value("rowspan"), 1, 1, kMaxSpan);
  cell.columnSpan = ReadInt(tag.Value("colspan"), 1, 1, kMaxSpan);
  int column = table.nextColumn;
  while (column < static_cast<int>(table.busyUntil.size()) && table.busyUntil[column] > cell.row) ++column;
  cell.column = column;
  if (table.busyUntil.size() < static_cast<size_t>(column + cell.columnSpan)) {
    table.busyUntil.resize(column + cell.columnSpan, 0);
  }
  for (int c = column; c < column + cell.columnSpan; ++c) table.busyUntil[c] = cell.row + cell.rowSpan;
  table.nextColumn = column + cell.columnSpan;
  std::string_view width = tag.Value("width");
  cell.widthPercent = !width.empty() && width.back() == '%';
  cell.width = ReadInt(cell.widthPercent ? width.substr(0, width.size() - 1) : width, 0, 0, kMaxLength);
  if (cell.widthPercent) cell.width = std::min(cell.width, 100);
  cell.height = ReadInt(tag.Value("height"), 0, 0, kMaxLength);
  cell.box = BoxFrom(style(), true);
  cell.flow = static_cast<int>(flows_.size());
  flows_.emplace_back();
  flows_.back().lines.emplace_back();
  flows_.back().lines.back().emptyHeight = std::abs(style().font.height);
  table.cells.push_back(cell);
  state.inCell = true;
  state.cellFlow = cell.flow;
  currentFlow_ = cell.flow;
}

void LayoutBuilder::CloseCell() {
  if (ignoredTables_ > 0 || openTables_.empty()) return;
  OpenTableState& state = openTables_.back();
  if (!state.inCell) return;
  line().emptyHeight = std::abs(style().font.height);
  styles_.RestoreTo(state.cellDepth);
  state.inCell = false;
  currentFlow_ = state.parentFlow;
}

void LayoutBuilder::CloseRow() {
  if (ignoredTables_ > 0 || openTables_.empty()) return;
  CloseCell();
  OpenTableState& state = openTables_.back();
  if (!state.inRow) return;
  styles_.RestoreTo(state.rowDepth);
  state.inRow = false;
}

void LayoutBuilder::CloseTable() {
  if (ignoredTables_ > 0) {
    --ignoredTables_;
    return;
  }
  if (openTables_.empty()) return;
  CloseRow();
  OpenTableState state = openTables_.back();
  openTables_.pop_back();
  Table& table = tables_[state.table];
  FinishTable(table);
  styles_.RestoreTo(state.styleDepth);
  currentFlow_ = state.parentFlow;
  Flow& parent = flows_[state.parentFlow];
  Line& l = parent.lines[state.line];
  Piece& piece = parent.pieces[state.piece];
  piece.width = table.natural.cx;
  piece.ascent = table.natural.cy;
  if (state.line + 1 == parent.lines.size()) parent.x = AddClamped(piece.x, piece.width);
  l.width = std::max(l.width, AddClamped(piece.x, piece.width));
  l.ascent = std::max(l.ascent, piece.ascent);
}

Size MeasureMarkup(std::string_view markup, const LayoutContext& context) {
  LayoutBuilder builder(context);
  builder.Build(markup);
  Size size = builder.Natural();
  return {std::min({size.cx, kMaxLength, context.reach.cx}), std::min({size.cy, kMaxLength, context.reach.cy})};
}

DrawList ArrangeMarkup(std::string_view markup, const LayoutContext& context, const Rect& rect) {
  LayoutBuilder builder(context);
  builder.Build(markup, true);
  return builder.Place(rect);
}

}  // namespace lizhi::tip
