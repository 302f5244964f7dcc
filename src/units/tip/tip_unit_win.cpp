#include "units/tip/tip_unit.h"

#include "runtime/units/minimal_unit.h"

namespace lizhi::tip {
const rt::UnitType& TipUnitType() {
  static const rt::UnitType type = rt::MakeMinimalUnitType(rt::kUnitTypeTip, "Q_tip");
  return type;
}
}  // namespace lizhi::tip
