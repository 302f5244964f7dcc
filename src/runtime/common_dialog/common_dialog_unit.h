#pragma once
#include "runtime/unit_type.h"
namespace lizhi::rt {
const UnitType& CommonDlgUnitType();
}
