#include "runtime/common_dialog/open_common_dialog.h"

#include "runtime/commands/commands.h"
#include "runtime/frame/unit_type.h"

namespace lizhi::rt {

void CmdOpenCommonDialog(TypedValue& result, int32_t argCount, const TypedValue* args) {
  const TypedValue& unit = CommandArgs(argCount, args)[0];
  SetLogical(result, unit.type == kUnitTypeCommonDlg && OpenCommonDialogOfUnit(unit.low, unit.high));
}

}  // namespace lizhi::rt
