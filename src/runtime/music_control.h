// The runtime's one music player: started by the play command, removed by the
// stop command, by code 2016 and at the end of the program.
#pragma once
#include <cstdint>

namespace lizhi::rt {
// The kept player handle (0 = none).
uintptr_t& CurrentPlayer();
// Removes the kept player, if any, and forgets it.
void StopAllMusic();
}  // namespace lizhi::rt
