// The style sheet of a tip: selectors ("p", "a:hover", ".comment") with their
// declaration text, applied onto the current style whenever a tag asks.
#pragma once
#include <map>
#include <string>
#include <string_view>

#include "units/tip/rich_text/colour_table.h"
#include "units/tip/rich_text/style_values.h"

namespace lizhi::tip {

class StyleTable {
 public:
  // Replaces the table with the entries of the sheet; null or empty clears it.
  void Parse(const char* sheet);
  void Parse(std::string_view sheet);
  // The declarations of a selector, or nothing when it has no entry.
  const std::string* Find(std::string_view selector) const;
  size_t size() const { return entries_.size(); }

 private:
  std::map<std::string, std::string, std::less<>> entries_;
};

// Applies declarations ("name: value; …") onto a style: only the named
// properties change; unknown properties and keywords change nothing.
void ApplyDeclarations(std::string_view declarations, TextStyle& style, const ColourTable& colours, Measurer* measurer);

}  // namespace lizhi::tip
