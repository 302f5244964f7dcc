#include "runtime/music/player_entries.h"

#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "runtime/music/music_player.h"

namespace lizhi::music {
namespace {

// Live players by handle, so a stale or made-up handle finds nothing instead
// of freed memory. The entries are called from one thread (the GUI's); the
// lock only keeps the table itself consistent.
class PlayerTable {
 public:
  uintptr_t Add(std::unique_ptr<MusicPlayer> player) {
    const auto handle = reinterpret_cast<uintptr_t>(player.get());
    std::lock_guard lock(mutex_);
    players_.emplace(handle, std::move(player));
    return handle;
  }
  MusicPlayer* Find(uintptr_t handle) {
    std::lock_guard lock(mutex_);
    const auto it = players_.find(handle);
    return it == players_.end() ? nullptr : it->second.get();
  }
  std::unique_ptr<MusicPlayer> Take(uintptr_t handle) {
    std::lock_guard lock(mutex_);
    const auto it = players_.find(handle);
    if (it == players_.end()) return nullptr;
    std::unique_ptr<MusicPlayer> player = std::move(it->second);
    players_.erase(it);
    return player;
  }
  std::vector<std::unique_ptr<MusicPlayer>> TakeAll() {
    std::lock_guard lock(mutex_);
    std::vector<std::unique_ptr<MusicPlayer>> all;
    for (auto& entry : players_) all.push_back(std::move(entry.second));
    players_.clear();
    return all;
  }

 private:
  std::mutex mutex_;
  std::unordered_map<uintptr_t, std::unique_ptr<MusicPlayer>> players_;
};

// Never destroyed: players still alive when the process exits are not torn
// down by a static destructor after their threads were already killed. The
// end of the program removes them properly before that.
PlayerTable& Players() {
  static PlayerTable* const table = new PlayerTable;
  return *table;
}

constexpr int32_t PlayStateCode(MusicPlayer::State state) {
  switch (state) {
    case MusicPlayer::State::Playing:
      return 1;
    case MusicPlayer::State::Paused:
      return -1;
    case MusicPlayer::State::Stopped:
      return 0;
  }
  return 0;
}

}  // namespace

uintptr_t CreatePlayer(const char* names, int32_t repeatCount) {
  return Players().Add(std::make_unique<MusicPlayer>(names, repeatCount));
}

void NewPlay(uintptr_t player, uintptr_t notifyWindow, const char* contentKey, int32_t startPercent) {
  if (MusicPlayer* p = Players().Find(player)) p->Start(notifyWindow, contentKey, startPercent);
}

void Play(uintptr_t player) {
  if (MusicPlayer* p = Players().Find(player)) p->Play();
}

int32_t GetPlayState(uintptr_t player) {
  MusicPlayer* p = Players().Find(player);
  return p == nullptr ? 0 : PlayStateCode(p->state());
}

void SetPauseState(uintptr_t player, int32_t pause) {
  if (MusicPlayer* p = Players().Find(player)) p->SetPaused(pause != 0);
}

void RemovePlayer(uintptr_t player) {
  // Destroyed outside the table's lock: it joins the player's threads.
  Players().Take(player).reset();
}

void RemoveAllPlayers() { Players().TakeAll().clear(); }

}  // namespace lizhi::music
