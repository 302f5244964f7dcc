#include "presenters/agent_unit.h"
#include "runtime/common_dialog/common_dialog_unit.h"
#include "runtime/units/core_units.h"
#include "units/tip/tip_unit.h"
#include "units/tray/tray_icon_unit.h"

namespace lizhi::rt {

namespace {
using TypeGetter = const UnitType& (*)();
// Every unit type a window of this program can hold (the window and menu items
// are the frame's own).
constexpr TypeGetter kUnitTypes[] = {
    &TimerUnitType,      &LabelUnitType, &ButtonUnitType, &CommonDlgUnitType,
    &tray::TrayIconUnitType, &tip::TipUnitType, &agent::AgentUnitType,
};
}  // namespace

const UnitType* FindUnitType(uint32_t typeId) {
  for (TypeGetter get : kUnitTypes) {
    const UnitType& type = get();
    if (type.typeId == typeId) return &type;
  }
  return nullptr;
}

}  // namespace lizhi::rt
