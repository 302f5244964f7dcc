// PlayMusic and StopMusic over the music player's module: the arguments become
// a name list and a repeat count, and the player last started is kept so that
// the next command (or the end of the program) can remove it.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/commands/call_form.h"
#include "runtime/music/lazy_module.h"

namespace lizhi::rt {

struct PlayMusicRequest {
  bool play = false;        // false: the command only stops the music
  int32_t repeatCount = 1;  // 0 = without end
  std::string nameList;     // zero-terminated names, then one more zero byte
};

// Repeat count first (absent 1, -1 or below 0 = without end, 0 = stop only),
// then every text argument and every text of an array argument, in order;
// empty names are skipped.
PlayMusicRequest ParsePlayMusicArgs(const CommandArgs& args);

// Removes the current player, then starts one for the request through the
// module ("CreatePlayer", then "NewPlay"). A missing module entry does nothing.
void PlayMusic(const music::LazyModule& module, const PlayMusicRequest& request);
// The player started last and not yet removed (0 = none).
uintptr_t CurrentPlayer();
// Removes the current player ("RemovePlayer") and forgets it. The frame's
// stop-all and end of the program call this too.
void RemoveCurrentPlayer();
// Stops all music: the stop command, the frame's code 2016 and the end of the
// program. The frame plays no MIDI or wave sounds of its own in this program,
// so the kept player is all there is to stop.
void StopAllMusic();

}  // namespace lizhi::rt
