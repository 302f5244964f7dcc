// Where playback starts when asked to begin part-way into a file.
#pragma once
#include <cstdint>

#include "runtime/music/mpeg/stream_search.h"

namespace lizhi::music {

// Byte offset into the audio data for `percent` (0..100) of it. With a Xing
// table of contents the table is interpolated; otherwise the offset is
// rounded down to a whole frame of `frameBytes`.
uint64_t StartByteOffset(double percent, const mpeg::XingInfo& xing, int frameBytes, uint64_t audioBytes);

}  // namespace lizhi::music
