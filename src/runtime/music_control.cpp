#include "runtime/music_control.h"

namespace lizhi::rt {

uintptr_t& CurrentPlayer() {
  static uintptr_t handle = 0;
  return handle;
}

void StopAllMusic() {
  // The player module removes the kept player; until it is linked in there is
  // nothing to stop.
  CurrentPlayer() = 0;
}

}  // namespace lizhi::rt
