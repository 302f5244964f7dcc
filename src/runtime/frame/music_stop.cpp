#include "runtime/frame/music_stop.h"

namespace lizhi::rt {

namespace {
MusicStop g_stop = nullptr;
}  // namespace

void RegisterMusicStop(MusicStop stop) { g_stop = stop; }

void StopRegisteredMusic() {
  if (g_stop) g_stop();
}

}  // namespace lizhi::rt
