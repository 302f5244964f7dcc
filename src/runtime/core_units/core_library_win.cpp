#include <array>

#include "runtime/common_dialog/common_dialog_unit.h"
#include "runtime/core_units/core_library.h"
#include "runtime/core_units/core_units.h"

namespace lizhi::rt {

std::span<const UnitType* const> CoreUnitTypes() {
  static const std::array<const UnitType*, 4> kTypes = {&TimerUnitType(), &LabelUnitType(), &ButtonUnitType(),
                                                        &CommonDlgUnitType()};
  return kTypes;
}

}  // namespace lizhi::rt
