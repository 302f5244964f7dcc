// The core's display tick timed inside a host that starts the runtime, the
// core and the start-up window exactly as lizhi.exe does.
#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "app/core_win.h"
#include "app/full_screen.h"
#include "app/program_units_win.h"
#include "app/settings/settings.h"
#include "bench_parts.h"
#include "bench_support_win.h"
#include "data/handler_ids.h"
#include "data/startup_window.h"
#include "presenters/painter_target_win.h"
#include "runtime/core_units/core_library.h"
#include "runtime/frame/frame.h"
#include "runtime/frame/unit_host.h"

namespace lizhi::bench {

namespace {

constexpr int kEarlyTick = 10;
constexpr int kLateTick = 1000;

// Timer-driven ticks: counted and timed around the core's own handler.
struct TickWatch {
  std::string resultFile;
  std::string figures;
  int count = 0;
  double firstAt = 0;
  std::vector<double> ms;
  Resources early;
};

TickWatch& Watch() {
  static TickWatch watch;
  return watch;
}

rt::EventHandler CoreTick() { return app::Handlers()[data::kOnDisplayTick]; }

bool CountedTick(const rt::EventRecord& event, int32_t& result) {
  TickWatch& w = Watch();
  const double start = NowMs();
  const bool answered = CoreTick()(event, result);
  w.ms.push_back(NowMs() - start);
  if (++w.count == 1) w.firstAt = start;
  if (w.count == kEarlyTick) w.early = ResourcesOf(GetCurrentProcess());
  if (w.count == kLateTick) {
    Resources late = ResourcesOf(GetCurrentProcess());
    char line[512];
    std::snprintf(line, sizeof line,
                  "  timer-driven ticks at 10 ms: %d ticks took %.0f ms (%.1f ms apart); tick median %.3f ms, "
                  "p95 %.3f ms\n"
                  "  after %4d ticks: private %6.0f KB  working set %6.0f KB  GDI %lu  USER %lu\n"
                  "  after %4d ticks: private %6.0f KB  working set %6.0f KB  GDI %lu  USER %lu\n",
                  kLateTick, start - w.firstAt, (start - w.firstAt) / (kLateTick - 1), Percentile(w.ms, 0.5),
                  Percentile(w.ms, 0.95), kEarlyTick, w.early.privateKb, w.early.workingSetKb,
                  static_cast<unsigned long>(w.early.gdiObjects), static_cast<unsigned long>(w.early.userObjects),
                  kLateTick, late.privateKb, late.workingSetKb, static_cast<unsigned long>(late.gdiObjects),
                  static_cast<unsigned long>(late.userObjects));
    w.figures += line;
    WriteText(w.resultFile, w.figures);
    rt::EndProgram(0);
  }
  return answered;
}

// The program's own unit types with their creation timed: registered before
// the program's, so that the frame creates its units through these.
struct TimedCreate {
  const rt::UnitType* type = nullptr;
  rt::UnitType timed{};
  double ms = 0;
};
std::array<TimedCreate, 3>& TimedTypes() {
  static std::array<TimedCreate, 3> types;
  return types;
}
template <size_t N>
void* CreateTimed(const rt::UnitCreateParams& p) {
  TimedCreate& t = TimedTypes()[N];
  const double start = NowMs();
  void* unit = t.type->create(p);
  t.ms += NowMs() - start;
  return unit;
}

double MsSinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  auto ticks = [](FILETIME t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  return static_cast<double>(ticks(now) - ticks(created)) / 1e4;
}

}  // namespace

int HostTicks(int directTicks, const std::string& resultFile) {
  const double atMain = MsSinceProcessStart();
  const double t0 = NowMs();
  static const std::vector<uint8_t> kTemplate = data::StartupTemplateBytes();
  rt::ProgramInfo info;
  info.runMode = rt::kRunModeProgram;
  info.windowTemplate = kTemplate.data();
  info.windowTemplateSize = kTemplate.size();
  rt::InitialiseRuntime(info);
  const double t1 = NowMs();
  std::span<const rt::UnitType* const> types = app::ProgramUnitTypes();
  std::array<const rt::UnitType*, 3> timed{};
  constexpr std::array<void* (*)(const rt::UnitCreateParams&), 3> kCreates = {&CreateTimed<0>, &CreateTimed<1>,
                                                                              &CreateTimed<2>};
  for (size_t i = 0; i < timed.size() && i < types.size(); ++i) {
    TimedCreate& t = TimedTypes()[i];
    t.type = types[i];
    t.timed = *types[i];
    t.timed.create = kCreates[i];
    timed[i] = &t.timed;
  }
  rt::RegisterUnitTypes(rt::CoreUnitTypes());
  rt::RegisterUnitTypes(timed);
  rt::RegisterUnitTypes(types);
  app::StartCore();
  const double t2 = NowMs();
  std::array<rt::EventHandler, data::kHandlerCount> handlers{};
  for (size_t i = 0; i < handlers.size(); ++i) handlers[i] = app::Handlers()[i];
  handlers[data::kOnDisplayTick] = &CountedTick;
  rt::SetEventHandlers(handlers);
  rt::LoadWindow(rt::kStartupWindowId);
  const double t3 = NowMs();
  std::string startFigures = "  start-up in this host (the core's own sequence):\n";
  char startLine[200];
  std::snprintf(startLine, sizeof startLine,
                "    process start to main %.1f ms; runtime (OLE, message window, template) %.1f ms; "
                "unit types and core %.1f ms; start-up window %.1f ms\n",
                atMain, t1 - t0, t2 - t1, t3 - t2);
  startFigures += startLine;
  for (const TimedCreate& t : TimedTypes()) {
    if (!t.type) continue;
    std::snprintf(startLine, sizeof startLine, "      of which creating the %s unit %.1f ms\n", t.type->name, t.ms);
    startFigures += startLine;
  }

  // The window in front belongs to this host; the painter takes it for
  // another program's, as lizhi.exe sees the user's windows.
  presenters::PainterOwnProcess() = 0;
  // Ticks called one after another, the painter drawing on a window in front.
  // No message is handled meanwhile, so the display timer waits.
  FrontWindow front;
  std::vector<double> ms;
  rt::EventRecord event;
  event.windowId = rt::kStartupWindowId;
  event.unitId = data::kDisplayTimer;
  for (int i = 0; i < directTicks; ++i) {
    int32_t result = 0;
    const double start = NowMs();
    CoreTick()(event, result);
    ms.push_back(NowMs() - start);
  }
  double total = 0;
  for (double m : ms) total += m;
  char line[256];
  std::snprintf(line, sizeof line,
                "  one title-bar tick, %d called in a row: median %.3f ms, mean %.3f ms, p95 %.3f ms, max %.3f ms\n",
                directTicks, Percentile(ms, 0.5), total / directTicks, Percentile(ms, 0.95), Percentile(ms, 1.0));
  // What the quiet rules add to every tick: the attention queries and the read
  // of the pause key (the away minutes are read only while their item is on).
  std::vector<double> quiet, doNotDisturb;
  for (int i = 0; i < directTicks; ++i) {
    double start = NowMs();
    volatile uint32_t idle = app::ReadAttention(&app::ShellNotificationState, &app::FocusAssistProfile).idleMs;
    std::string pause = app::ReadSetting(app::kPauseKey.name, app::kPauseKey.defaultValue);
    quiet.push_back(NowMs() - start);
    start = NowMs();
    volatile int32_t profile = app::FocusAssistProfile();
    doNotDisturb.push_back(NowMs() - start);
    (void)idle;
    (void)profile;
  }
  char quietLine[256];
  std::snprintf(quietLine, sizeof quietLine,
                "  its quiet checks (foreground, shell state, Do Not Disturb, last input, pause key): median %.3f ms, "
                "p95 %.3f ms; Do Not Disturb alone median %.4f ms\n",
                Percentile(quiet, 0.5), Percentile(quiet, 0.95), Percentile(doNotDisturb, 0.5));
  TickWatch& w = Watch();
  w.resultFile = resultFile;
  w.figures = startFigures + line;
  w.figures += quietLine;
  w.figures += TickBreakdown(directTicks);
  WriteText(resultFile, w.figures);
  rt::RunMessageLoop();
  return 0;
}

void RunTickHost(const std::string& benchExe, int directTicks) {
  std::printf("\nThe core's display tick in the title-bar mode (a host running the core as lizhi.exe does)\n");
  TempDir dir;
  const std::string copy = dir.File("app_bench.exe");
  if (!CopyFileA(benchExe.c_str(), copy.c_str(), FALSE)) {
    std::printf("  could not copy %s\n", benchExe.c_str());
    return;
  }
  WriteInterval(dir, "0.01");
  const std::string results = dir.File("figures.txt");
  std::string command = "\"" + copy + "\" --tick-host " + std::to_string(directTicks) + " \"" + results + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.path().c_str(), &si,
                      &pi)) {
    std::printf("  could not start the host\n");
    return;
  }
  CloseHandle(pi.hThread);
  if (WaitForSingleObject(pi.hProcess, 120000) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 1);
    std::printf("  the host did not finish within 120 s\n");
  }
  CloseHandle(pi.hProcess);
  FILE* f = std::fopen(results.c_str(), "rb");
  if (!f) {
    std::printf("  no figures from the host\n");
    return;
  }
  char buffer[1024];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) std::fwrite(buffer, 1, n, stdout);
  std::fclose(f);
}

}  // namespace lizhi::bench
