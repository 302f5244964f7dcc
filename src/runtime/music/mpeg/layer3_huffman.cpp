#include "runtime/music/mpeg/layer3_huffman.h"

#include <algorithm>
#include <cstring>

#include "runtime/music/mpeg/huffman_tables.h"
#include "runtime/music/mpeg/layer3_tables.h"

namespace lizhi::mpeg {
namespace {

// MSB-first bit cache over the main data ("reading bits in far too many
// ways", variant 4): Refill() leaves at least 56 valid bits at the top of
// `bits`, enough for one whole pair (a code of at most 19 bits, two 13-bit
// linbits fields and two signs). The data must be followed by 8 readable
// bytes (kMainDataPaddingBytes).
class BitCache {
 public:
  BitCache(const uint8_t* data, size_t startBit) : base_(data), next_(data + (startBit >> 3)) {
    Refill();
    Consume(static_cast<int>(startBit & 7));
  }

  void Refill() {
    uint64_t word;
    std::memcpy(&word, next_, sizeof(word));
    bits_ |= __builtin_bswap64(word) >> count_;
    next_ += (63 - count_) >> 3;
    count_ |= 56;
  }

  uint32_t Peek(int n) const { return static_cast<uint32_t>(bits_ >> (64 - n)); }
  bool TopBit() const { return (bits_ >> 63) != 0; }
  void Consume(int n) {
    bits_ <<= n;
    count_ -= n;
  }
  size_t position() const { return static_cast<size_t>(next_ - base_) * 8 - static_cast<size_t>(count_); }

 private:
  const uint8_t* base_;
  const uint8_t* next_;
  uint64_t bits_ = 0;
  int count_ = 0;
};

// Walks one table from the cache and returns the leaf's value bits.
inline int DecodeSymbol(const int16_t* table, int rootBits, BitCache& cache) {
  int entry = table[cache.Peek(rootBits)];
  while (entry < 0) {
    cache.Consume(rootBits);
    const int pointer = -entry;
    rootBits = pointer & 15;
    entry = table[(pointer >> 4) + static_cast<int>(cache.Peek(rootBits))];
  }
  cache.Consume(entry >> 8);
  return entry & 0xFF;
}

// Applies the sign bit that follows a non-zero value, without branches (the
// signs of real spectra are unpredictable).
inline int Signed(int value, BitCache& cache) {
  const int present = value != 0;
  const int negative = static_cast<int>(cache.TopBit()) & present;
  cache.Consume(present);
  return (value ^ -negative) + negative;
}

// Big-value pairs of one region. Tables with linbits extend a value of 15
// by linbits more bits.
template <bool kLinbits>
int DecodePairs(const HuffmanTable& t, BitCache& cache, size_t endBit, int line, int end, int32_t* quantised) {
  const int16_t* table = kHuffmanNodes + t.start;
  const int rootBits = t.rootBits;
  const int linbits = t.linbits;
  for (; line < end; line += 2) {
    if (cache.position() >= endBit) {
      // Damaged: the region claims more pairs than the bits hold.
      for (; line < end; ++line) quantised[line] = 0;
      break;
    }
    cache.Refill();
    const int xy = DecodeSymbol(table, rootBits, cache);
    int x = xy >> 4;
    int y = xy & 15;
    if constexpr (kLinbits) {
      if (x == 15) {
        x += static_cast<int>(cache.Peek(linbits));
        cache.Consume(linbits);
      }
    }
    x = Signed(x, cache);
    if constexpr (kLinbits) {
      if (y == 15) {
        y += static_cast<int>(cache.Peek(linbits));
        cache.Consume(linbits);
      }
    }
    y = Signed(y, cache);
    quantised[line] = x;
    quantised[line + 1] = y;
  }
  return line;
}

}  // namespace

int DecodeHuffman(const uint8_t* data, size_t startBit, size_t endBit, const GranuleChannelInfo& g, int rateIndex,
                  int32_t quantised[576]) {
  BitCache cache(data, startBit);
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
    line = t.linbits ? DecodePairs<true>(t, cache, endBit, line, end, quantised)
                     : DecodePairs<false>(t, cache, endBit, line, end, quantised);
  }

  // count1 region: quadruples of values -1..1 until the granule's bits end.
  const HuffmanTable& t = kCount1Tables[g.count1TableSelect];
  const int16_t* table = kHuffmanNodes + t.start;
  while (line + 4 <= 576 && cache.position() < endBit) {
    cache.Refill();
    const int vwxy = DecodeSymbol(table, t.rootBits, cache);
    int values[4] = {(vwxy >> 3) & 1, (vwxy >> 2) & 1, (vwxy >> 1) & 1, vwxy & 1};
    for (int& v : values) v = Signed(v, cache);
    if (cache.position() > endBit) {
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
