#include <windows.h>

#include "runtime/common_dialog/common_dialog_unit.h"
#include "runtime/frame/unit_windows_win.h"

namespace lizhi::rt {

namespace {

CommonDlgUnit& UnitOf(void* unit) { return *static_cast<CommonDlgUnit*>(unit); }

void OnDestroyed(void* unit) { delete static_cast<CommonDlgUnit*>(unit); }

void* Create(const UnitCreateParams& params) {
  auto* unit = new CommonDlgUnit;
  LoadCommonDlgBlock(params.block, params.blockSize, unit->props);
  unit->window = CreateUnitHostWindow(params, unit, nullptr, &OnDestroyed);
  if (!unit->window) {
    delete unit;
    return nullptr;
  }
  return unit;
}

void* WindowOf(void* unit) { return UnitOf(unit).window; }

void PropertyWritten(void* unit, int32_t ownIndex, int32_t, const TypedValue& value) {
  WriteCommonDlgProperty(UnitOf(unit).props, ownIndex, value);
}

std::vector<uint8_t> SaveBlock(void* unit) { return SaveCommonDlgBlock(UnitOf(unit).props); }

bool ReadProperty(void* unit, int32_t ownIndex, TypedValue& out) {
  return ReadCommonDlgProperty(UnitOf(unit).props, ownIndex, out);
}

}  // namespace

const UnitType& CommonDlgUnitType() {
  static const UnitType type{kUnitTypeCommonDlg, "CommonDlg",      0,          &Create,
                             &WindowOf,          &PropertyWritten, &SaveBlock, &ReadProperty};
  return type;
}

}  // namespace lizhi::rt
