#include "runtime/music/progress_notify.h"

#include <mutex>
#include <utility>

namespace lizhi::music {
namespace {

std::mutex g_posterMutex;
ProgressPoster g_poster;

}  // namespace

void PostProgress(uintptr_t window, int percent) {
  ProgressPoster poster;
  {
    std::lock_guard lock(g_posterMutex);
    poster = g_poster;
  }
  if (poster) poster(window, percent);
}

ProgressPoster SetProgressPoster(ProgressPoster poster) {
  std::lock_guard lock(g_posterMutex);
  return std::exchange(g_poster, std::move(poster));
}

}  // namespace lizhi::music
