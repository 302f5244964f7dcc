// A tiny program on the runtime for the end-of-program tests: it builds the
// start-up window, then ends in the way its command line names, writing one
// line to "exit-routine.txt" each time its exit routine runs.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <thread>

#include "app/program_units_win.h"
#include "data/startup_window.h"
#include "runtime/base/fatal.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/window_table.h"

namespace {

void ExitRoutine() {
  if (FILE* f = std::fopen("exit-routine.txt", "ab")) {
    std::fputs("ran\n", f);
    std::fclose(f);
  }
}

bool Nothing(const lizhi::rt::EventRecord&, int32_t&) { return false; }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  using namespace lizhi;
  static const std::vector<uint8_t> bytes = data::StartupTemplateBytes();
  static const rt::EventHandler handlers[] = {&Nothing};
  rt::ProgramInfo info;
  info.windowTemplate = bytes.data();
  info.windowTemplateSize = bytes.size();
  rt::InitialiseRuntime(info);
  app::RegisterSupportLibraries();
  rt::RegisterExitRoutine(&ExitRoutine);
  rt::SetEventHandlers(handlers);
  rt::LoadWindow(rt::kStartupWindowId);
  if (std::strstr(commandLine, "main")) rt::EndProgram(0);
  if (std::strstr(commandLine, "thread")) {
    std::thread([] { rt::EndProgram(7); }).detach();
  }
  if (std::strstr(commandLine, "fatal")) {
    rt::SetFatalHandler([](const char*) { ExitProcess(static_cast<UINT>(-1)); });
    rt::FatalRuntimeError("x");
  }
  // "wait": runs until something ends it from outside.
  rt::RunMessageLoop();
  return 3;
}
