// The core library's unit types (besides the window itself and menu items,
// which the frame handles).
#pragma once
#include "runtime/frame/unit_type.h"

namespace lizhi::rt {
const UnitType& TimerUnitType();
const UnitType& LabelUnitType();
const UnitType& ButtonUnitType();
}  // namespace lizhi::rt
