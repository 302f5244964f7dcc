#include "runtime/music/mpeg/stream_search.h"

#include <algorithm>

namespace lizhi::mpeg {
namespace {

uint32_t ReadBigEndian32(const uint8_t* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
         (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

bool Agrees(const FrameHeader& a, const FrameHeader& b, const StreamSearchOptions& options) {
  const bool channels = options.matchChannelCountOnly ? a.channels() == b.channels() : a.channelMode == b.channelMode;
  return a.version == b.version && a.layer == b.layer && a.sampleRate == b.sampleRate && channels;
}

bool LayerAllowed(const FrameHeader& h, const StreamSearchOptions& options) {
  return h.layer == 2 || h.layer == 3 || (h.layer == 1 && options.allowLayer1);
}

// Offset of the Xing header in the first frame: after the header and the
// layer III side information (32 bytes MPEG-1 stereo, 17 MPEG-1 mono and
// MPEG-2 stereo, 9 MPEG-2 mono).
size_t XingOffset(const FrameHeader& h) {
  const bool mono = h.channelMode == ChannelMode::Mono;
  if (h.version == MpegVersion::Mpeg1) return mono ? 21 : 36;
  return mono ? 13 : 21;
}

// Checks the frame at `at` (a valid header) and the two following it.
// `limit` is the end of the search window.
bool ThreeFramesAgree(const uint8_t* data, size_t limit, size_t at, const FrameHeader& first,
                      const StreamSearchOptions& options) {
  size_t next = at + static_cast<size_t>(first.frameBytes);
  for (int i = 0; i < 2; ++i) {
    // A buffer that ends exactly where the next frame would start holds a
    // whole (short) stream: nothing contradicts the frames found so far.
    if (next == limit) return true;
    if (next + kFrameHeaderBytes > limit) return false;
    FrameHeader h;
    if (!ParseFrameHeader(data + next, limit - next, h) || !LayerAllowed(h, options) || !Agrees(first, h, options) ||
        static_cast<size_t>(h.frameBytes) > kMaxCheckedFrameBytes) {
      return false;
    }
    next += static_cast<size_t>(h.frameBytes);
  }
  return true;
}

}  // namespace

long FindSync(const uint8_t* data, size_t size) {
  if (data == nullptr) return -1;
  const size_t window = std::min(size, kSyncWindowBytes);
  for (size_t i = 0; i + 1 < window; ++i) {
    if (data[i] == 0xFF && (data[i + 1] & 0xE0) == 0xE0) return static_cast<long>(i);
  }
  return -1;
}

bool ReadXingHeader(const uint8_t* frame, size_t size, const FrameHeader& header, XingInfo& out) {
  out = XingInfo{};
  const size_t end = std::min(size, static_cast<size_t>(header.frameBytes));
  size_t p = XingOffset(header);
  if (p + 8 > end) return false;
  const uint8_t* tag = frame + p;
  // "Info" is the same header that LAME writes into constant-bit-rate files.
  const bool xing = tag[0] == 'X' && tag[1] == 'i' && tag[2] == 'n' && tag[3] == 'g';
  const bool info = tag[0] == 'I' && tag[1] == 'n' && tag[2] == 'f' && tag[3] == 'o';
  if (!xing && !info) return false;
  XingInfo x;
  x.flags = ReadBigEndian32(tag + 4);
  p += 8;
  // Every field the flags announce must lie inside the frame; otherwise the
  // header is damaged and is ignored as a whole.
  if ((x.flags & 1) != 0) {
    if (p + 4 > end) return false;
    x.frameCount = ReadBigEndian32(frame + p);
    p += 4;
  }
  if ((x.flags & 2) != 0) {
    if (p + 4 > end) return false;
    x.byteCount = ReadBigEndian32(frame + p);
    p += 4;
  }
  if ((x.flags & 4) != 0) {
    if (p + 100 > end) return false;
    std::copy(frame + p, frame + p + 100, x.toc);
    x.hasToc = true;
    p += 100;
  }
  if ((x.flags & 8) != 0) {
    if (p + 4 > end) return false;
    x.quality = static_cast<int32_t>(ReadBigEndian32(frame + p));
  }
  x.present = true;
  out = x;
  return true;
}

StreamStart FindStream(const uint8_t* data, size_t size, const StreamSearchOptions& options) {
  StreamStart result;
  if (data == nullptr) return result;
  size_t pos = 0;
  for (int attempt = 0; attempt < kStreamSearchAttempts && pos < size; ++attempt) {
    const long sync = FindSync(data + pos, size - pos);
    if (sync < 0) {
      // No sync in this window: drop it but keep its last byte, which may be
      // the 0xFF of a sync that straddles the windows.
      const size_t window = std::min(size - pos, kSyncWindowBytes);
      if (window <= 1) break;
      pos += window - 1;
      continue;
    }
    const size_t at = pos + static_cast<size_t>(sync);
    const size_t limit = std::min(size, at + kStreamWindowBytes);
    FrameHeader first;
    if (ParseFrameHeader(data + at, limit - at, first) && LayerAllowed(first, options) &&
        ThreeFramesAgree(data, limit, at, first, options)) {
      result.found = true;
      result.offset = at;
      result.first = first;
      ReadXingHeader(data + at, limit - at, first, result.xing);
      return result;
    }
    pos = at + 1;
  }
  return result;
}

}  // namespace lizhi::mpeg
