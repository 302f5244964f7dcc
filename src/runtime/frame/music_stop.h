// How the frame stops all music (host code 2016, and the end sequence after the
// message window is gone) without knowing the player: the music commands
// register their stop when they first play.
#pragma once

namespace lizhi::rt {

using MusicStop = void (*)();
void RegisterMusicStop(MusicStop stop);
// Runs the registered stop; nothing when no music was ever played.
void StopRegisteredMusic();

}  // namespace lizhi::rt
