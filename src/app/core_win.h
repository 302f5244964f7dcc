// The application core's entry: its state, its exit routine and the handler
// table the window template binds events to.
#pragma once
#include <span>

#include "runtime/frame/window_table.h"

namespace lizhi::app {

// Creates the core state and registers the exit routine with the runtime.
void StartCore();
// Another start of the program from this directory: the tray menu pops up at
// the cursor, so the user sees where the running one is.
void OnSecondStart();
// The handlers, indexed by HandlerId.
std::span<const rt::EventHandler> Handlers();

}  // namespace lizhi::app
