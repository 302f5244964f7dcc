#include <vector>

#include "runtime/common_dialog/common_dialog_unit.h"
#include "runtime/core_units/core_units.h"
#include "runtime/frame/unit_type.h"

namespace lizhi::rt {

namespace {
using TypeGetter = const UnitType& (*)();
// The runtime's own unit types (the window and menu items are the frame's own).
constexpr TypeGetter kCoreUnitTypes[] = {&TimerUnitType, &LabelUnitType, &ButtonUnitType, &CommonDlgUnitType};

std::vector<const UnitType*>& ProgramTypes() {
  static std::vector<const UnitType*> types;
  return types;
}
}  // namespace

void RegisterUnitTypes(std::span<const UnitType* const> types) {
  for (const UnitType* type : types) {
    if (type && !FindUnitType(type->typeId)) ProgramTypes().push_back(type);
  }
}

const UnitType* FindUnitType(uint32_t typeId) {
  for (TypeGetter get : kCoreUnitTypes) {
    const UnitType& type = get();
    if (type.typeId == typeId) return &type;
  }
  for (const UnitType* type : ProgramTypes()) {
    if (type->typeId == typeId) return type;
  }
  return nullptr;
}

}  // namespace lizhi::rt
