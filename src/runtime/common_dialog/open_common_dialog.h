// OpenCommonDialog: runs the dialog of a CommonDlg unit's kind (open file, save
// file, font, help) and writes the user's choice back into its properties.
#pragma once
#include <cstdint>

#include "runtime/common_dialog/common_dialog_props.h"

namespace lizhi::rt {

// Runs the dialog for `props` owned by `ownerWindow` (an HWND, or null); true
// when the user confirmed. On confirmation a file dialog stores the chosen
// path as the file name and a font dialog the chosen font.
bool RunCommonDialog(CommonDlgProps& props, void* ownerWindow);

// The same for the CommonDlg unit (window id, unit id); false when there is
// no such unit.
bool OpenCommonDialogOfUnit(uint32_t windowId, uint32_t unitId);

}  // namespace lizhi::rt
