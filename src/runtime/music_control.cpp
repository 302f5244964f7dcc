#include "runtime/music_control.h"

#include "runtime/commands/music_commands.h"

namespace lizhi::rt {

// The frame plays no MIDI or wave sounds of its own in this program, so the
// kept player is all there is to stop.
void StopAllMusic() { RemoveCurrentPlayer(); }

}  // namespace lizhi::rt
