#pragma once
#include "runtime/frame/unit_type.h"
namespace lizhi::tip {
const rt::UnitType& TipUnitType();
}
