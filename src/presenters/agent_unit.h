#pragma once
#include "runtime/frame/unit_type.h"
namespace lizhi::agent {
const rt::UnitType& AgentUnitType();
}
