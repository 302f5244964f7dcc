// Progress of the file being decoded, posted to a window the caller of the
// player named. Worker threads only post; they never touch the window.
#pragma once
#include <cstdint>
#include <functional>

namespace lizhi::music {

// wParam = percent (0..99 while decoding, 100 when a file ends), lParam = 0.
inline constexpr uint32_t kProgressMessage = 0x8075;

using ProgressPoster = std::function<void(uintptr_t window, int percent)>;

// Posts through the installed poster; without one nothing happens.
void PostProgress(uintptr_t window, int percent);

// Installs the poster for the whole process: PostMessage on Windows (done by
// the platform's module getter), a recorder in tests. Returns the one it replaces.
ProgressPoster SetProgressPoster(ProgressPoster poster);

}  // namespace lizhi::music
