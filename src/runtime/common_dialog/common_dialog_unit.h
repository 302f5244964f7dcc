// The CommonDlg unit: a non-visual unit that keeps the properties of the file,
// font and help dialogs and runs them on request (OpenCommonDialog).
#pragma once
#include "runtime/common_dialog/common_dialog_props.h"
#include "runtime/frame/unit_type.h"

namespace lizhi::rt {

struct CommonDlgUnit {
  CommonDlgProps props;
  void* window = nullptr;  // the unit's hidden child window (HWND)
};

const UnitType& CommonDlgUnitType();

}  // namespace lizhi::rt
