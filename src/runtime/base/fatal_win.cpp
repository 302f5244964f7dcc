#include <windows.h>

#include "runtime/base/fatal.h"
#include "runtime/base/runtime_state.h"
#include "runtime/base/runtime_texts.h"

namespace lizhi::rt {

void ShowFatalAndExit(const char* box) {
  MessageBoxA(nullptr, box, text::kFatalCaption, MB_ICONERROR);
  if (Runtime().runMode == kRunModeDebug) DebugBreak();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace lizhi::rt
