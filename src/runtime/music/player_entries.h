// The six entries of the music player, reached by name through its LazyModule
// (lazy_module.h). Plain functions over a pointer-sized handle; a handle of 0,
// or one that was already removed, makes every entry do nothing.
#pragma once
#include <cstdint>

namespace lizhi::music {

// names: zero-terminated file names one after another, then one more zero
// byte (null or "" = no files). repeatCount: plays of the whole list, 1 once,
// n n times, 0 or below without end. Builds a stopped player; nothing plays
// until NewPlay. Never 0.
using CreatePlayerFn = uintptr_t (*)(const char* names, int32_t repeatCount);

// Starts playing the current file. notifyWindow: a window handle to receive
// progress messages (kProgressMessage, progress_notify.h), or 0. contentKey:
// null or at most 511 bytes (longer: nothing starts). startPercent: 0..100.
// The program passes (player, 0, nullptr, 0).
using NewPlayFn = void (*)(uintptr_t player, uintptr_t notifyWindow, const char* contentKey, int32_t startPercent);

// NewPlay with no notify window at position 0, keeping the key given before.
using PlayFn = void (*)(uintptr_t player);

// 1 playing, -1 paused, 0 stopped (or no such player).
using GetPlayStateFn = int32_t (*)(uintptr_t player);

// pause != 0: a playing player pauses. pause == 0: a paused player resumes.
// Anything else does nothing.
using SetPauseStateFn = void (*)(uintptr_t player, int32_t pause);

// Stops the sound at once and destroys the player; returns after every
// thread of it has ended. The handle is invalid afterwards.
using RemovePlayerFn = void (*)(uintptr_t player);

uintptr_t CreatePlayer(const char* names, int32_t repeatCount);
void NewPlay(uintptr_t player, uintptr_t notifyWindow, const char* contentKey, int32_t startPercent);
void Play(uintptr_t player);
int32_t GetPlayState(uintptr_t player);
void SetPauseState(uintptr_t player, int32_t pause);
void RemovePlayer(uintptr_t player);

// Removes every player still alive (the end of the program).
void RemoveAllPlayers();

}  // namespace lizhi::music
