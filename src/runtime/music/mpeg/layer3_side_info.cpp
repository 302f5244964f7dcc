#include "runtime/music/mpeg/layer3_side_info.h"

namespace lizhi::mpeg {

size_t SideInfoBytes(const FrameHeader& h) {
  const bool mono = h.channelMode == ChannelMode::Mono;
  if (h.version == MpegVersion::Mpeg1) return mono ? 17 : 32;
  return mono ? 9 : 17;
}

bool ReadSideInfo(BitReader& reader, const FrameHeader& h, SideInfo& out) {
  const bool mpeg1 = h.version == MpegVersion::Mpeg1;
  const int channels = h.channels();
  out = SideInfo{};
  out.channels = channels;
  out.granules = mpeg1 ? 2 : 1;
  if (mpeg1) {
    out.mainDataBegin = static_cast<int>(reader.Read(9));
    reader.Skip(channels == 1 ? 5 : 3);  // private bits
    for (int ch = 0; ch < channels; ++ch) {
      for (int group = 0; group < 4; ++group) out.scfsi[ch][group] = static_cast<int>(reader.Read(1));
    }
  } else {
    out.mainDataBegin = static_cast<int>(reader.Read(8));
    reader.Skip(channels == 1 ? 1 : 2);
  }
  bool valid = true;
  for (int gr = 0; gr < out.granules; ++gr) {
    for (int ch = 0; ch < channels; ++ch) {
      GranuleChannelInfo& g = out.info[gr][ch];
      g.part23LengthBits = static_cast<int>(reader.Read(12));
      g.bigValues = static_cast<int>(reader.Read(9));
      if (g.bigValues > 288) g.bigValues = 288;
      g.globalGain = static_cast<int>(reader.Read(8));
      g.scalefacCompress = static_cast<int>(reader.Read(mpeg1 ? 4 : 9));
      g.windowSwitching = reader.ReadBit();
      if (g.windowSwitching) {
        g.blockType = static_cast<int>(reader.Read(2));
        g.mixedBlock = reader.ReadBit();
        g.tableSelect[0] = static_cast<int>(reader.Read(5));
        g.tableSelect[1] = static_cast<int>(reader.Read(5));
        for (int w = 0; w < 3; ++w) g.subblockGain[w] = static_cast<int>(reader.Read(3));
        if (g.blockType == 0) valid = false;
        // Not transmitted: region 1 starts after these counts (short blocks
        // place it by the short-band table, see layer3_huffman.cpp) and
        // region 2 is empty.
        g.region0Count = (g.blockType == 2 && !g.mixedBlock) ? 8 : 7;
        g.region1Count = 20 - g.region0Count;
      } else {
        for (int r = 0; r < 3; ++r) g.tableSelect[r] = static_cast<int>(reader.Read(5));
        g.region0Count = static_cast<int>(reader.Read(4));
        g.region1Count = static_cast<int>(reader.Read(3));
      }
      if (mpeg1) g.preflag = reader.ReadBit();
      g.scalefacScale = static_cast<int>(reader.Read(1));
      g.count1TableSelect = static_cast<int>(reader.Read(1));
    }
  }
  return valid && !reader.overrun();
}

}  // namespace lizhi::mpeg
