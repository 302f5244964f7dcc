#include "runtime/music/music_thread.h"

#include <atomic>

namespace lizhi::music {
namespace {
std::atomic<int> g_liveThreads{0};
}

int MusicThread::LiveCount() { return g_liveThreads.load(); }
void MusicThread::Enter() { g_liveThreads.fetch_add(1); }
void MusicThread::Leave() { g_liveThreads.fetch_sub(1); }

}  // namespace lizhi::music
