#pragma once
#include "runtime/unit_type.h"
namespace lizhi::agent {
const rt::UnitType& AgentUnitType();
}
