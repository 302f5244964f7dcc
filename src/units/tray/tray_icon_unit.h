#pragma once
#include "runtime/unit_type.h"
namespace lizhi::tray {
const rt::UnitType& TrayIconUnitType();
}
