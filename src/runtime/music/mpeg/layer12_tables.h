// Tables of layers I and II (ISO/IEC 11172-3 Annex B Tables B.1, B.2a-d, B.4;
// 13818-3 Table B.1).
#pragma once
#include <array>
#include <cstdint>

namespace lizhi::mpeg {

// Table B.1: scale factor index 0..62 -> 2^(1 - index / 3). Index 63 is not
// defined; it is given the value the formula continues with.
extern const std::array<float, 64> kLayer12ScaleFactors;

// Table B.4: the classes of quantisation of layer II.
struct QuantClass {
  uint16_t levels;  // 3 .. 65535
  uint8_t grouped;  // three samples coded in one code word
  uint8_t bits;     // bits of one sample, or of the group's code word
};
extern const QuantClass kQuantClasses[17];

// One run of subbands sharing an allocation field width and class list.
struct AllocationRun {
  uint8_t subbands;
  uint8_t allocationBits;  // nbal
  const uint8_t* classes;  // quantisation class by allocation value - 1
};

struct AllocationTable {
  int sblimit;
  int runCount;
  AllocationRun runs[4];
};

// Tables B.2a (0), B.2b (1), B.2c (2), B.2d (3) of MPEG-1 and the MPEG-2
// lower-sampling-rate table (4).
extern const AllocationTable kAllocationTables[5];

}  // namespace lizhi::mpeg
