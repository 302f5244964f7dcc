// The engines alive on the program's thread and the one thread message hook
// that relays the thread's messages to them; the hook goes with the last
// engine.
#pragma once
#include <cstddef>

namespace lizhi::tip {

class TipEngine;

bool ListTipEngine(TipEngine* engine);
void UnlistTipEngine(TipEngine* engine);
size_t LiveTipEngineCount();

}  // namespace lizhi::tip
