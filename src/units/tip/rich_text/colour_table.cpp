#include "units/tip/rich_text/colour_table.h"

#include <algorithm>

namespace lizhi::tip {

ColourTable::ColourTable(const SystemColours& system) {
  entries_.assign(std::begin(kWebColours), std::end(kWebColours));
  for (const SystemColourName& s : kSystemColourNames) entries_.push_back({s.name, system.Get(s.index)});
  std::sort(entries_.begin(), entries_.end(),
            [](const NamedColour& a, const NamedColour& b) { return std::string_view(a.name) < b.name; });
}

std::optional<Colour> ColourTable::Find(std::string_view name) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), name,
                             [](const NamedColour& e, std::string_view n) { return std::string_view(e.name) < n; });
  if (it == entries_.end() || it->name != name) return std::nullopt;
  return it->colour;
}

}  // namespace lizhi::tip
