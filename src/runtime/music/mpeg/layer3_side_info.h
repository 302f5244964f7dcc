// Layer III side information (ISO/IEC 11172-3 2.4.1.7, 13818-3 2.4.1.7).
#pragma once
#include <cstddef>

#include "runtime/music/mpeg/bit_reader.h"
#include "runtime/music/mpeg/frame_header.h"

namespace lizhi::mpeg {

struct GranuleChannelInfo {
  int part23LengthBits = 0;
  int bigValues = 0;  // pairs, at most 288
  int globalGain = 0;
  int scalefacCompress = 0;  // 4 bits MPEG-1, 9 bits MPEG-2
  bool windowSwitching = false;
  int blockType = 0;  // 0 normal, 1 start, 2 short, 3 stop
  bool mixedBlock = false;
  int tableSelect[3] = {};
  int subblockGain[3] = {};
  int region0Count = 0;
  int region1Count = 0;
  bool preflag = false;  // MPEG-2: derived from scalefac_compress when the scale factors are read
  int scalefacScale = 0;
  int count1TableSelect = 0;
};

struct SideInfo {
  int mainDataBegin = 0;  // bytes back into the bit reservoir
  int scfsi[2][4] = {};   // MPEG-1 only
  int granules = 0;       // 2 MPEG-1, 1 MPEG-2/2.5
  int channels = 0;
  GranuleChannelInfo info[2][2];  // [granule][channel]
};

// Bytes of side information after the header (and CRC): 32/17 MPEG-1, 17/9 MPEG-2.
size_t SideInfoBytes(const FrameHeader& h);

// Reads the side information. False when it cannot be decoded: the reader ran
// past the end or a granule uses the reserved block type 0 with window switching.
// Out-of-range values a damaged stream may carry (big_values above 288) are clamped.
bool ReadSideInfo(BitReader& reader, const FrameHeader& h, SideInfo& out);

}  // namespace lizhi::mpeg
