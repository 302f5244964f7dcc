#include "app/core_win.h"

#include <array>
#include <memory>

#include "app/display_cycle.h"
#include "app/lifecycle.h"
#include "app/menu_commands.h"
#include "app/pause_commands.h"
#include "app/runtime_host_win.h"
#include "data/handler_ids.h"
#include "runtime/frame/frame.h"

namespace lizhi::app {

namespace {

using namespace data;  // the handler ids the template binds

std::unique_ptr<RuntimeHost> g_host;
bool g_exited = false;

// Frees the lines and the current line; the runtime runs it once at the end.
void ExitRoutine() {
  if (g_exited || !g_host) return;
  g_exited = true;
  g_host->FreeLines();
}

using Command = void (*)(CoreHost&);

template <Command command>
bool Run(const rt::EventRecord&, int32_t&) {
  if (g_host) command(*g_host);
  return false;
}

void Nothing(CoreHost&) {}
// A pause that ended while the display timer stood still shows as ended.
void PopupMenu(CoreHost& host) {
  RefreshPause(host);
  host.PopupTrayMenu();
}
void Greet(CoreHost& host) { host.GreetAgent(); }

struct Binding {
  HandlerId id;
  rt::EventHandler handler;
};

constexpr Binding kBindings[] = {
    {kOnWindowCreated, &Run<OnWindowCreated>},
    {kOnAgentClick, &Run<PopupMenu>},
    {kOnAgentDblClick, &Run<Greet>},
    {kOnFollowTick, &Run<OnFollowTick>},
    {kOnTrayClick, &Run<PopupMenu>},
    {kOnMenuTitleBar, &Run<ChooseTitleBar>},
    {kOnMenuMouseFollow, &Run<ChooseMouseFollow>},
    {kOnMenuBalloon, &Run<ChooseBalloon>},
    {kOnMenuAgent, &Run<ChooseAgent>},
    {kOnMenuRandom, &Run<ChooseRandom>},
    {kOnMenuSequential, &Run<ChooseSequential>},
    {kOnMenuInterval, &Run<AskInterval>},
    {kOnMenuMusic, &Run<ChooseMusic>},
    {kOnMenuFontSize, &Run<ChooseFontSize>},
    {kOnMenuForeColour, &Run<Nothing>},
    {kOnMenuLoadText, &Run<LoadTextFile>},
    {kOnMenuEditText, &Run<EditTextFile>},
    {kOnMenuAutoStart, &Run<ToggleAutoStart>},
    {kOnMenuAbout, &Run<ShowAbout>},
    {kOnMenuExit, &Run<ConfirmExit>},
    {kOnDisplayTick, &Run<OnDisplayTick>},
    {kOnTestButton, &Run<OnTestButton>},
    {kOnMenuPauseHalfHour, &Run<ChoosePauseHalfHour>},
    {kOnMenuPauseHour, &Run<ChoosePauseHour>},
    {kOnMenuPauseUntilTomorrow, &Run<ChoosePauseUntilTomorrow>},
    {kOnMenuResume, &Run<ChooseResume>},
    {kOnMenuAway, &Run<ToggleAwayRule>},
};
static_assert(std::size(kBindings) == kHandlerCount);

const std::array<rt::EventHandler, kHandlerCount> kHandlers = [] {
  std::array<rt::EventHandler, kHandlerCount> table{};
  for (const Binding& b : kBindings) table[b.id] = b.handler;
  return table;
}();

}  // namespace

void StartCore() {
  g_host = std::make_unique<RuntimeHost>();
  rt::RegisterExitRoutine(&ExitRoutine);
}

void OnSecondStart() {
  if (g_host && !g_exited) g_host->PopupTrayMenu();
}

std::span<const rt::EventHandler> Handlers() { return kHandlers; }

}  // namespace lizhi::app
