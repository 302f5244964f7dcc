#include "app/program_start_win.h"

#include <vector>

#include "app/core_win.h"
#include "app/program_units_win.h"
#include "data/startup_window.h"
#include "runtime/frame/frame.h"

namespace lizhi::app {

void StartProgram(int32_t runMode) {
  // The frame keeps pointing at the template's bytes while the program runs.
  static const std::vector<uint8_t> kTemplate = data::StartupTemplateBytes();
  rt::ProgramInfo info;
  info.runMode = runMode;
  info.windowTemplate = kTemplate.data();
  info.windowTemplateSize = kTemplate.size();
  rt::InitialiseRuntime(info);
  RegisterSupportLibraries();
  StartCore();
  rt::SetEventHandlers(Handlers());
  rt::LoadWindow(rt::kStartupWindowId);
}

}  // namespace lizhi::app
