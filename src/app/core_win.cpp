#include "app/core_win.h"

#include <array>

#include "app/handler_ids.h"
#include "runtime/frame.h"

namespace lizhi::app {

namespace {

int g_exitRoutineRuns = 0;

void ExitRoutine() { ++g_exitRoutineRuns; }

bool Ignore(const rt::EventRecord&, int32_t&) { return false; }

// Handlers not built yet do nothing.
const std::array<rt::EventHandler, kHandlerCount> kHandlers = [] {
  std::array<rt::EventHandler, kHandlerCount> table{};
  table.fill(&Ignore);
  return table;
}();

}  // namespace

void StartCore() { rt::RegisterExitRoutine(&ExitRoutine); }

std::span<const rt::EventHandler> Handlers() { return kHandlers; }

}  // namespace lizhi::app
