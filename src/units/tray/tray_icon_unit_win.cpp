#include "units/tray/tray_icon_unit.h"

#include "runtime/minimal_unit.h"

namespace lizhi::tray {
const rt::UnitType& TrayIconUnitType() {
  static const rt::UnitType type = rt::MakeMinimalUnitType(rt::kUnitTypeTrayIcon, "TrayIcon");
  return type;
}
}  // namespace lizhi::tray
