// Finding an MPEG audio stream in a byte buffer: the sync search and the
// three-header agreement check the player's FrameDecoder starts with, and the
// Xing VBR header of the first frame.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/music/mpeg/frame_header.h"

namespace lizhi::mpeg {

inline constexpr size_t kSyncWindowBytes = 1441;
inline constexpr size_t kStreamWindowBytes = 3 * kSyncWindowBytes;  // 4323
inline constexpr size_t kMaxCheckedFrameBytes = 1440;
inline constexpr int kStreamSearchAttempts = 32;

struct XingInfo {
  bool present = false;
  uint32_t flags = 0;
  uint32_t frameCount = 0;  // flag 1
  uint32_t byteCount = 0;   // flag 2
  bool hasToc = false;      // flag 4
  uint8_t toc[100] = {};
  int32_t quality = -1;  // flag 8, else -1
};

struct StreamSearchOptions {
  bool allowLayer1 = false;  // the player keeps layer II/III only; mp3dec allows layer I
  // Headers agree in channel mode (the player's rule) or, when set, only in
  // the channel count: streams may switch between stereo and joint stereo
  // from frame to frame (as the ISO layer I and II compliance streams do).
  bool matchChannelCountOnly = false;
};

// Offset of the next 0xFF followed by a byte whose high nibble is 0xF or 0xE,
// looking no further than kSyncWindowBytes; -1 if none.
long FindSync(const uint8_t* data, size_t size);

struct StreamStart {
  bool found = false;
  size_t offset = 0;  // of the first frame's sync
  FrameHeader first{};
  XingInfo xing{};
};

// Tries up to 32 times: three consecutive headers agreeing in version, layer,
// sample rate and channel mode within a 4323-byte window, the 2nd and 3rd
// frames at most 1440 bytes long; after each failure, skips to the next sync.
// Reads the Xing header of the first frame.
StreamStart FindStream(const uint8_t* data, size_t size, const StreamSearchOptions& options = {});

// Reads a Xing header from a whole first frame (false when there is none).
bool ReadXingHeader(const uint8_t* frame, size_t size, const FrameHeader& header, XingInfo& out);

}  // namespace lizhi::mpeg
