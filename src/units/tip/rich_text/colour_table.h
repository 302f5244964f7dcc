// Colour names a tip may use: the web's colour keywords and the names of the
// system colours, the latter read once when the table is built.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "units/tip/rich_text/text_style.h"

namespace lizhi::tip {

struct NamedColour {
  const char* name;
  Colour colour;
};
struct SystemColourName {
  const char* name;
  int index;  // the platform's system colour index
};

constexpr int kWebColourCount = 140;
constexpr int kSystemColourCount = 28;
extern const NamedColour kWebColours[kWebColourCount];
extern const SystemColourName kSystemColourNames[kSystemColourCount];

// Where system colours come from: the platform natively reads GetSysColor.
class SystemColours {
 public:
  virtual ~SystemColours() = default;
  virtual Colour Get(int index) const = 0;
};

class ColourTable {
 public:
  explicit ColourTable(const SystemColours& system);
  std::optional<Colour> Find(std::string_view name) const;
  size_t size() const { return entries_.size(); }

 private:
  std::vector<NamedColour> entries_;  // sorted by name
};

}  // namespace lizhi::tip
