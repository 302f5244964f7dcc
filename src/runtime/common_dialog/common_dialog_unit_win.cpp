#include "runtime/common_dialog/common_dialog_unit.h"

#include "runtime/minimal_unit.h"

namespace lizhi::rt {
const UnitType& CommonDlgUnitType() {
  static const UnitType type = MakeMinimalUnitType(kUnitTypeCommonDlg, "CommonDlg");
  return type;
}
}  // namespace lizhi::rt
