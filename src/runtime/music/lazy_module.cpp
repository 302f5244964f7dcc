#include "runtime/music/lazy_module.h"

#include <cstring>

#include "runtime/music/player_entries.h"

namespace lizhi::music {
namespace {

struct NamedEntry {
  const char* name;
  EntryAddress address;
};

template <class Fn>
EntryAddress Address(Fn entry) {
  return reinterpret_cast<EntryAddress>(entry);
}

const NamedEntry kEntries[] = {
    {"CreatePlayer", Address<CreatePlayerFn>(&CreatePlayer)},
    {"NewPlay", Address<NewPlayFn>(&NewPlay)},
    {"Play", Address<PlayFn>(&Play)},
    {"GetPlayState", Address<GetPlayStateFn>(&GetPlayState)},
    {"SetPauseState", Address<SetPauseStateFn>(&SetPauseState)},
    {"RemovePlayer", Address<RemovePlayerFn>(&RemovePlayer)},
};

}  // namespace

EntryAddress LookupPlayerEntry(const char* name) {
  if (name == nullptr) return nullptr;
  for (const NamedEntry& entry : kEntries) {
    if (std::strcmp(entry.name, name) == 0) return entry.address;
  }
  return nullptr;
}

}  // namespace lizhi::music
