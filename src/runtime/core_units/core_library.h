// The unit types of the core library: timer, label, button and the common
// dialog (the window itself and its menu items are the frame's own). The
// program registers them with the frame at start-up, before its own types.
#pragma once
#include <span>

#include "runtime/frame/unit_type.h"

namespace lizhi::rt {

std::span<const UnitType* const> CoreUnitTypes();

}  // namespace lizhi::rt
