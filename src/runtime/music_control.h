// Stopping all music: the player the play command started, at the stop command,
// at code 2016 and at the end of the program.
#pragma once

namespace lizhi::rt {
void StopAllMusic();
}  // namespace lizhi::rt
