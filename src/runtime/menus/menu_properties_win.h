// A menu item's own four properties: 0 caption, 1 checked, 2 disabled
// (grayed), 3 visible.
#pragma once
#include <cstdint>

#include "runtime/base/typed_value.h"
#include "runtime/template/window_template.h"

namespace lizhi::rt {

TypedValue ReadMenuProperty(const UnitRecord& item, int32_t index);
// A change of caption or flag rebuilds the menu bar of `window` (an HWND, or null).
void WriteMenuProperty(void* window, const WindowRecord& record, UnitRecord& item, int32_t index,
                       const TypedValue& value);

}  // namespace lizhi::rt
