#include "presenters/agent_unit.h"

#include "runtime/units/minimal_unit.h"

namespace lizhi::agent {
const rt::UnitType& AgentUnitType() {
  static const rt::UnitType type = rt::MakeMinimalUnitType(rt::kUnitTypeAgent, "AgentUnit");
  return type;
}
}  // namespace lizhi::agent
