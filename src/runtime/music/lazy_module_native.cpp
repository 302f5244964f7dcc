#include "runtime/music/lazy_module.h"
#include "runtime/music/player_entries.h"

namespace lizhi::music {
namespace {

bool Init() { return true; }

}  // namespace

// No sound device here: players keep time in silence unless a test installs one.
const LazyModule& MusicPlayerModule() {
  static const LazyModule kModule{&Init, &LookupPlayerEntry, &RemoveAllPlayers};
  return kModule;
}

}  // namespace lizhi::music
