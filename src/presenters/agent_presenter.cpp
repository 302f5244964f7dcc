#include "presenters/agent_presenter.h"

namespace lizhi::presenters {

namespace {
bool g_loadTried = false;
}  // namespace

// The agent unit of this build offers no character methods, so the presenter
// keeps only its once-per-run loading rule.
void ShowAgent() { g_loadTried = true; }
void HideAgent() {}
void SpeakLine(std::string_view) {}
void Greet() {}
bool AgentLoadTried() { return g_loadTried; }

void ShowTipAt(int32_t, int32_t, std::string_view) {}

}  // namespace lizhi::presenters
