#include "units/tip/tip_message_hook_win.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "runtime/base/memory.h"
#include "runtime/base/win_handles.h"
#include "units/tip/tip_engine_win.h"

namespace lizhi::tip {

namespace {

struct HookState {
  std::vector<TipEngine*> engines;
  win::Hook hook;
};

HookState& Hooks() {
  static HookState state;
  return state;
}

// Every message the thread retrieves (not the ones it only peeks at) reaches
// every live engine.
LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code >= 0 && wParam == PM_REMOVE) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    std::vector<TipEngine*>& engines = Hooks().engines;
    // By index: a relayed message may end an engine.
    rt::GuardAllocations([&] {
      for (size_t i = 0; i < engines.size(); ++i) engines[i]->Relay(msg);
    });
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool ListTipEngine(TipEngine* engine) {
  HookState& state = Hooks();
  if (!state.hook) state.hook.reset(SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId()));
  if (!state.hook) return false;
  if (std::find(state.engines.begin(), state.engines.end(), engine) == state.engines.end()) {
    state.engines.push_back(engine);
  }
  return true;
}

void UnlistTipEngine(TipEngine* engine) {
  HookState& state = Hooks();
  std::erase(state.engines, engine);
  if (state.engines.empty()) state.hook.reset();
}

size_t LiveTipEngineCount() { return Hooks().engines.size(); }

}  // namespace lizhi::tip
