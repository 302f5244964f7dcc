#include "runtime/commands/stand_ins_native.h"
#include "runtime/common_dialog/open_common_dialog.h"

namespace lizhi::rt {

// No dialogs on Linux: every dialog is cancelled.
bool RunCommonDialog(CommonDlgProps&, void*) { return false; }

bool OpenCommonDialogOfUnit(uint32_t, uint32_t) { return false; }

}  // namespace lizhi::rt
