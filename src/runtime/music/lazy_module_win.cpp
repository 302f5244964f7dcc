#include <mutex>

#include "runtime/music/lazy_module.h"
#include "runtime/music/player_entries.h"
#include "runtime/music/progress_message_win.h"
#include "runtime/music/progress_notify.h"
#include "runtime/music/wave_device.h"
#include "runtime/music/wave_out_device_win.h"

namespace lizhi::music {
namespace {

bool Init() { return true; }

}  // namespace

const LazyModule& MusicPlayerModule() {
  // The portable player knows no Windows; the Windows pieces are plugged in
  // here, where the module is first asked for.
  static std::once_flag installed;
  std::call_once(installed, [] {
    SetWaveDeviceFactory(&CreateWaveOutDevice);
    SetProgressPoster(&PostProgressMessage);
  });
  static const LazyModule kModule{&Init, &LookupPlayerEntry, &RemoveAllPlayers};
  return kModule;
}

}  // namespace lizhi::music
