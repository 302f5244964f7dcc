// Builds the layout model from markup, token by token: the style stack, the
// tag table and the table structure meet here.
#pragma once
#include <string_view>
#include <vector>

#include "units/tip/rich_text/layout.h"
#include "units/tip/rich_text/layout_model.h"
#include "units/tip/rich_text/markup.h"

namespace lizhi::tip {

class LayoutBuilder {
 public:
  explicit LayoutBuilder(const LayoutContext& context);
  // stopBelow: no line starting below the reach down is read (for Arrange).
  void Build(std::string_view markup, bool stopBelow = false);
  Size Natural() const { return flows_[0].Natural(); }
  DrawList Place(const Rect& rect);

  // Used by the tag table.
  const LayoutContext& context() const { return context_; }
  StyleStack& styles() { return styles_; }
  TextStyle& style() { return styles_.Current(); }
  LengthContext Lengths() { return LengthContext{&context_.measurer, &style().font}; }
  void ApplySelector(std::string_view selector);
  void AddText(std::string_view run);
  void AddImage(ImageRequest image, const Token& tag);
  void AddRule(const RuleLine& rule);
  void NewLines(int count);
  void Tab(int count);
  int AddLink(Link link);
  void OpenTable(const Token& tag);
  void OpenRow(const Token& tag);
  void OpenCell(const Token& tag);
  void CloseCell();
  void CloseRow();
  void CloseTable();

 private:
  struct OpenTableState {
    int table = 0;
    int parentFlow = 0;
    size_t styleDepth = 0;  // style stack depth before the table's push
    size_t rowDepth = 0;
    size_t cellDepth = 0;
    bool inRow = false;
    bool inCell = false;
    int cellFlow = -1;
    size_t line = 0;  // where the table's piece sits in the parent flow
    size_t piece = 0;
  };
  Flow& flow() { return flows_[currentFlow_]; }
  Line& line() { return flow().lines.back(); }
  void AddPiece(Piece piece);
  bool NeedsImplicitCell();
  // The run as far as it is measured and kept, and its width.
  Size MeasureWithinReach(const FontKey& font, std::string& text);
  // Placing, see layout_place.cpp.
  void PlaceFlow(int flowIndex, const Rect& box, const Rect& clip, DrawList& out);
  void PlaceTable(int tableIndex, int x, int y, int available, const Rect& clip, DrawList& out);
  int ResolveTableWidth(int tableIndex, int available);
  void FinishTable(Table& table);

  LayoutContext context_;
  StyleStack styles_;
  std::vector<Flow> flows_;
  std::vector<TextItem> texts_;
  std::vector<ImageItem> images_;
  std::vector<Table> tables_;
  std::vector<RuleLine> rules_;
  std::vector<Link> links_;
  std::vector<OpenTableState> openTables_;
  int currentFlow_ = 0;
  int ignoredTables_ = 0;  // tables nested too deep, read as plain flow
  long long lineTop_ = 0;  // of the current line of the outermost flow
};

// Reads the table and cell attributes (borders, background, alignment,
// padding, spacing) onto the current style.
void ApplyCellAttributes(LayoutBuilder& builder, const Token& tag);

// The tag table: runs the tag's effect; false for an unknown tag.
bool RunTag(LayoutBuilder& builder, const Token& tag);

}  // namespace lizhi::tip
