#include "app/program_units_win.h"

#include <array>

#include "runtime/core_units/core_library.h"
#include "system/shell_library.h"
#include "units/agent/agent_unit.h"
#include "units/tip/tip_unit.h"
#include "units/tray/tray_icon_unit.h"

namespace lizhi::app {

std::span<const rt::UnitType* const> ProgramUnitTypes() {
  static const std::array<const rt::UnitType*, 3> kTypes = {&tray::TrayIconUnitType(), &tip::TipUnitType(),
                                                            &agent::AgentUnitType()};
  return kTypes;
}

void RegisterSupportLibraries() {
  rt::RegisterUnitTypes(rt::CoreUnitTypes());
  rt::RegisterUnitTypes(ProgramUnitTypes());
  sys::RegisterShellLibrary();
}

}  // namespace lizhi::app
