// Layer III Huffman code tables (ISO/IEC 11172-3 Annex B Table B.7) in the
// lookup form that layer3_huffman.cpp walks; the data is generated.
#pragma once
#include <cstdint>

namespace lizhi::mpeg {

struct HuffmanTable {
  int16_t start;     // first entry in kHuffmanNodes; -1: the table codes nothing (all zero)
  uint8_t rootBits;  // bits looked up at the first level
  uint8_t linbits;   // extra bits for values of 15 (big-value tables 16-31)
};

extern const int16_t kHuffmanNodes[6240];
extern const HuffmanTable kHuffmanTables[32];  // big-value tables by table_select
extern const HuffmanTable kCount1Tables[2];    // count1 tables A and B by count1table_select

}  // namespace lizhi::mpeg
