#include "runtime/music/mpeg/layer3_huffman.h"

#include <algorithm>
#include <cstring>

#include "runtime/music/mpeg/huffman_tables.h"
#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {
namespace {

// 57 or more valid bits at the top of the result: enough for one whole pair
// (a code of at most 19 bits, two 13-bit linbits fields and two signs).
inline uint64_t Peek64(const uint8_t* data, size_t bit) {
  uint64_t word;
  std::memcpy(&word, data + (bit >> 3), sizeof(word));
  word = __builtin_bswap64(word);
  return word << (bit & 7);
}

// Walks one table; returns the leaf (value bits) and advances `bits` past the code.
inline int DecodeSymbol(const int16_t* table, int rootBits, uint64_t& window, int& used) {
  int entry = table[window >> (64 - rootBits)];
  int levelBits = rootBits;
  while (entry < 0) {
    window <<= levelBits;
    used += levelBits;
    const int pointer = -entry;
    levelBits = pointer & 15;
    entry = table[(pointer >> 4) + static_cast<int>(window >> (64 - levelBits))];
  }
  const int length = entry >> 8;
  window <<= length;
  used += length;
  return entry & 0xFF;
}

}  // namespace

int DecodeHuffman(const uint8_t* data, size_t startBit, size_t endBit, const GranuleChannelInfo& g, int rateIndex,
                  int32_t quantised[576]) {
  size_t bit = startBit;
  const int bigValueLines = std::min(g.bigValues * 2, 576);

  // Region boundaries in lines.
  int region1Start;
  int region2Start;
  if (g.windowSwitching) {
    // Short blocks: region 1 starts at short band 3 (36 lines except at 8 kHz);
    // long window-switching blocks: after long band 8. Region 2 is empty.
    region1Start = g.blockType == 2 ? 3 * kShortBandStart[rateIndex][3] : kLongBandStart[rateIndex][8];
    region2Start = 576;
  } else {
    const int r1 = std::min(g.region0Count + 1, 22);
    const int r2 = std::min(g.region0Count + g.region1Count + 2, 22);
    region1Start = kLongBandStart[rateIndex][r1];
    region2Start = kLongBandStart[rateIndex][r2];
  }
  const int regionEnd[3] = {std::min(region1Start, bigValueLines), std::min(region2Start, bigValueLines),
                            bigValueLines};

  int line = 0;
  for (int region = 0; region < 3; ++region) {
    const int end = regionEnd[region];
    if (line >= end) continue;
    const HuffmanTable& t = kHuffmanTables[g.tableSelect[region] & 31];
    if (t.start < 0) {
      // Table 0 (and the unused 4 and 14) code nothing: the region is zero.
      for (; line < end; ++line) quantised[line] = 0;
      continue;
    }
    const int16_t* table = kHuffmanNodes + t.start;
    const int linbits = t.linbits;
    for (; line < end; line += 2) {
      if (bit >= endBit) {
        // Damaged: the region claims more pairs than the bits hold.
        for (; line < end; ++line) quantised[line] = 0;
        break;
      }
      uint64_t window = Peek64(data, bit);
      int used = 0;
      const int xy = DecodeSymbol(table, t.rootBits, window, used);
      int x = xy >> 4;
      int y = xy & 15;
      if (x == 15 && linbits) {
        x += static_cast<int>(window >> (64 - linbits));
        window <<= linbits;
        used += linbits;
      }
      if (x) {
        if (window >> 63) x = -x;
        window <<= 1;
        ++used;
      }
      if (y == 15 && linbits) {
        y += static_cast<int>(window >> (64 - linbits));
        window <<= linbits;
        used += linbits;
      }
      if (y) {
        if (window >> 63) y = -y;
        ++used;
      }
      quantised[line] = x;
      quantised[line + 1] = y;
      bit += static_cast<size_t>(used);
    }
  }

  // count1 region: quadruples of values -1..1 until the granule's bits end.
  const HuffmanTable& t = kCount1Tables[g.count1TableSelect];
  const int16_t* table = kHuffmanNodes + t.start;
  while (line + 4 <= 576 && bit < endBit) {
    uint64_t window = Peek64(data, bit);
    int used = 0;
    const int vwxy = DecodeSymbol(table, t.rootBits, window, used);
    int values[4] = {(vwxy >> 3) & 1, (vwxy >> 2) & 1, (vwxy >> 1) & 1, vwxy & 1};
    for (int& v : values) {
      if (v) {
        if (window >> 63) v = -v;
        window <<= 1;
        ++used;
      }
    }
    bit += static_cast<size_t>(used);
    if (bit > endBit) {
      // The last quadruple ran past the granule's bits: it is not part of it.
      break;
    }
    for (int i = 0; i < 4; ++i) quantised[line + i] = values[i];
    line += 4;
  }
  const int nonZeroLines = line;
  for (; line < 576; ++line) quantised[line] = 0;
  return nonZeroLines;
}

}  // namespace lizhi::mpeg
