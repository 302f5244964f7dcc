// The Windows poster of progress messages.
#pragma once
#include <cstdint>

namespace lizhi::music {

// PostMessage of kProgressMessage to `window` when it still exists.
void PostProgressMessage(uintptr_t window, int percent);

}  // namespace lizhi::music
