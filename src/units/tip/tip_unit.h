#pragma once
#include "runtime/unit_type.h"
namespace lizhi::tip {
const rt::UnitType& TipUnitType();
}
