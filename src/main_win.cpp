// lizhi.exe: the runtime starts, the core sets up its state, the start-up window
// is built from the template and the message loop runs until the end.
#include <windows.h>

#include "app/core_win.h"
#include "app/program_units_win.h"
#include "data/startup_window.h"
#include "runtime/frame/frame.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace lizhi;
  static const std::vector<uint8_t> kTemplate = data::StartupTemplateBytes();
  rt::ProgramInfo info;
  info.runMode = 3;
  info.windowTemplate = kTemplate.data();
  info.windowTemplateSize = kTemplate.size();
  rt::InitialiseRuntime(info);
  rt::RegisterUnitTypes(app::ProgramUnitTypes());
  app::StartCore();
  rt::SetEventHandlers(app::Handlers());
  rt::LoadWindow(rt::kStartupWindowId);
  rt::RunMessageLoop();
  return 0;
}
