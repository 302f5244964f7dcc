// A unit that only keeps its property block and a hidden child window: the
// stand-in for unit types whose behaviour is not built yet.
#pragma once
#include "runtime/frame/unit_type.h"

namespace lizhi::rt {
// A unit type table for `typeId` whose units create a hidden child window, keep
// their property block and fire nothing.
UnitType MakeMinimalUnitType(uint32_t typeId, const char* name);
}  // namespace lizhi::rt
