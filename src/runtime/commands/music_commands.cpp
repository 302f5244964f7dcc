#include "runtime/commands/music_commands.h"

#include "runtime/base/memory.h"
#include "runtime/frame/music_stop.h"
#include "runtime/music/player_entries.h"

namespace lizhi::rt {

namespace {

struct PlayerSlot {
  const music::LazyModule* module = nullptr;  // the module that made the player
  uintptr_t handle = 0;
};
PlayerSlot& Slot() {
  static PlayerSlot slot;
  return slot;
}

template <typename Fn>
Fn Entry(const music::LazyModule& module, const char* name) {
  return module.lookup ? reinterpret_cast<Fn>(module.lookup(name)) : nullptr;
}

void AddName(std::string& list, const char* name) {
  if (!name || !*name) return;
  list.append(name);
  list.push_back('\0');
}

}  // namespace

PlayMusicRequest ParsePlayMusicArgs(const CommandArgs& args) {
  PlayMusicRequest request;
  if (args.Given(0)) {
    int32_t repeat = args.Int(0, 1);
    if (repeat == 0) return request;
    request.repeatCount = repeat <= -1 ? 0 : repeat;
  }
  request.play = true;
  for (int32_t i = 1; i < args.count(); ++i) {
    const TypedValue& v = args[i];
    if (v.type == kTypeText) {
      AddName(request.nameList, TextOf(v));
    } else if (v.type == (kTypeText | kByRefFlag)) {
      void* block = GetPointer<void>(v);
      if (!block) continue;
      char** items = TextArrayItems(block);
      for (size_t k = 0, n = TextArrayCount(block); k < n; ++k) AddName(request.nameList, items[k]);
    }
  }
  if (!request.nameList.empty()) request.nameList.push_back('\0');
  return request;
}

uintptr_t CurrentPlayer() { return Slot().handle; }

void RemoveCurrentPlayer() {
  PlayerSlot& slot = Slot();
  if (!slot.handle || !slot.module) return;
  uintptr_t handle = slot.handle;
  slot.handle = 0;
  if (auto remove = Entry<music::RemovePlayerFn>(*slot.module, "RemovePlayer")) remove(handle);
}

void PlayMusic(const music::LazyModule& module, const PlayMusicRequest& request) {
  RegisterMusicStop(&StopAllMusic);  // the frame stops it at 2016 and at the end
  RemoveCurrentPlayer();
  if (!request.play || request.nameList.empty()) return;
  static const music::LazyModule* initialised = nullptr;
  if (initialised != &module) {
    if (module.init && !module.init()) return;
    initialised = &module;
  }
  auto create = Entry<music::CreatePlayerFn>(module, "CreatePlayer");
  if (!create) return;
  uintptr_t handle = create(request.nameList.c_str(), request.repeatCount);
  Slot() = {&module, handle};
  if (!handle) return;
  if (auto play = Entry<music::NewPlayFn>(module, "NewPlay")) play(handle, 0, nullptr, 0);
}

void StopAllMusic() { RemoveCurrentPlayer(); }

}  // namespace lizhi::rt
