#include "runtime/commands/stand_ins_native.h"
#include "runtime/common_dialog/open_common_dialog.h"

namespace lizhi::rt {

namespace {
std::optional<std::string> g_chosen;
}

void native::SetFileChooserAnswer(std::optional<std::string> path) { g_chosen = std::move(path); }

// No dialogs on Linux: a file dialog answers with the path set by the test.
bool RunCommonDialog(CommonDlgProps& props, void*) {
  if (props.dialogKind > kDialogSave || !g_chosen) return false;
  props.fileName = *g_chosen;
  return true;
}

bool OpenCommonDialogOfUnit(uint32_t, uint32_t) { return false; }

}  // namespace lizhi::rt
