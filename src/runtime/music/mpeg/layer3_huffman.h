// Layer III Huffman decoding of the quantised spectrum (part 3 of each granule
// and channel): big values in up to three regions, then count1 quadruples.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/music/mpeg/layer3_side_info.h"

namespace lizhi::mpeg {

// The main data being read: `data` holds `sizeBytes` bytes followed by at
// least kMainDataPaddingBytes zero bytes, so a code can be looked up with one
// 64-bit load wherever it starts before the end.
inline constexpr size_t kMainDataPaddingBytes = 16;

// Decodes the spectrum of one granule and channel from bit `startBit` up to
// bit `endBit` (exclusive) into quantised[576]. Returns the number of leading
// lines that may be non-zero (the rest are zero).
int DecodeHuffman(const uint8_t* data, size_t startBit, size_t endBit, const GranuleChannelInfo& g, int rateIndex,
                  int32_t quantised[576]);

}  // namespace lizhi::mpeg
