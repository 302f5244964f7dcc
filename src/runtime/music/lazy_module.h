// The music player as a module reached by name: the runtime keeps the record,
// looks entries up when it first needs them and calls cleanup at the end.
#pragma once

namespace lizhi::music {

// Any entry's address; cast it to its own type from player_entries.h
// (e.g. reinterpret_cast<CreatePlayerFn>(module.lookup("CreatePlayer"))).
using EntryAddress = void (*)();

struct LazyModule {
  bool (*init)();                            // always succeeds
  EntryAddress (*lookup)(const char* name);  // null for an unknown name
  void (*cleanup)();                         // removes players still alive
};

// The player's module. Defined by the platform layer (lazy_module_win.cpp on
// Windows, which also installs the waveOut device and the PostMessage progress
// poster; lazy_module_native.cpp elsewhere), so on Windows call it from
// Windows-side code such as the frame's initialisation, and keep the record.
const LazyModule& MusicPlayerModule();

// The lookup itself: exactly "CreatePlayer", "NewPlay", "Play", "GetPlayState",
// "SetPauseState" and "RemovePlayer" (case-sensitive); null for anything else.
EntryAddress LookupPlayerEntry(const char* name);

}  // namespace lizhi::music
