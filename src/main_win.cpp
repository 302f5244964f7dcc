// lizhi.exe: one instance per program directory; the runtime starts, the core
// sets up its state, the start-up window is built from the template and the
// message loop runs until the end.
#include <windows.h>

#include "app/core_win.h"
#include "app/program_start_win.h"
#include "app/single_instance_win.h"
#include "runtime/base/monitor_dpi_win.h"
#include "runtime/frame/frame.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace lizhi;
  // A second start from the same directory shows the running one's menu and
  // ends before it touches any file.
  app::SingleInstance instance(app::OwnProgramDirectory());
  if (!instance.first()) {
    instance.WakeRunning();
    return 0;
  }
  // The manifest asks for per-monitor DPI; where it is not honoured the
  // thread asks again, and a refusal leaves the system's DPI.
  win::UsePerMonitorDpi();
  app::StartProgram(rt::kRunModeProgram);
  instance.Listen(&app::OnSecondStart);
  rt::RunMessageLoop();
  return 0;
}
