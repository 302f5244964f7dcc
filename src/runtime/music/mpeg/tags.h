// ID3 tags around an MPEG audio stream.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lizhi::mpeg {

inline constexpr size_t kId3v2HeaderBytes = 10;

// Whole length of one ID3 v2 tag of any version (2.2, 2.3, 2.4) starting at
// `data`: the 10-byte header, its syncsafe size (which already holds any
// extended header and padding) and 10 more bytes when the footer flag (0x10)
// is set. 0 when the bytes are not a tag header. Needs only the header, so
// the result may run past `size`.
size_t Id3v2TagBytes(const uint8_t* data, size_t size);

// Bytes taken by the ID3 v2 tags at the start of `data`: several tags may
// follow one another, and all are counted. May exceed `size` when the last
// tag runs past the end of the data (then nothing of it is audio).
size_t Id3v2SkipBytes(const uint8_t* data, size_t size);

// True when the last 128 bytes begin with "TAG" (an ID3 v1 tag).
bool HasId3v1Tail(const uint8_t* data, size_t size);

inline constexpr size_t kId3v1Bytes = 128;

}  // namespace lizhi::mpeg
