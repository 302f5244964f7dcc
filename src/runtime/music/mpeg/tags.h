// ID3 tags around an MPEG audio stream.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lizhi::mpeg {

// Bytes to skip at the start of a file for an ID3 v2.3 tag: the 10-byte header
// plus its syncsafe size, plus the extended header's padding size when flag
// 0x40 is set. 0 for other versions or when there is no tag.
size_t Id3v2SkipBytes(const uint8_t* data, size_t size);

// Whole length of an ID3 v2 tag of any version at the start (header, body and
// the v2.4 footer); 0 when there is none. For tools that decode whole files.
size_t Id3v2TagBytes(const uint8_t* data, size_t size);

// True when the last 128 bytes begin with "TAG" (an ID3 v1 tag).
bool HasId3v1Tail(const uint8_t* data, size_t size);

inline constexpr size_t kId3v1Bytes = 128;

}  // namespace lizhi::mpeg
