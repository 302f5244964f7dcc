// A menu item's own four properties: 0 caption, 1 checked, 2 disabled
// (grayed), 3 visible.
#pragma once
#include <cstdint>

#include "runtime/base/typed_value.h"
#include "runtime/frame/window_table.h"

namespace lizhi::rt {

TypedValue ReadMenuProperty(const UnitRecord& item, int32_t index);
// A change of caption or flag rebuilds the window's menu bar.
void WriteMenuProperty(WindowEntry& entry, UnitRecord& item, int32_t index, const TypedValue& value);

}  // namespace lizhi::rt
