// Small MPEG audio files made at test time: layer III frames with empty side
// information, which every decoder turns into silence of a known length, so
// the PCM a test sees tells how many frames were decoded and in what format.
#pragma once
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

namespace lizhi::music::test {

struct FrameKind {
  uint8_t header[4];
  size_t frameBytes;
  int channels;
  int sampleRate;
  size_t pcmBytes;  // decoded, 16-bit
};

// MPEG-1 layer III, 128 kbit/s, no CRC: 144 x 128000 / rate bytes.
inline constexpr FrameKind kStereo44k{{0xFF, 0xFB, 0x90, 0x00}, 417, 2, 44100, 1152 * 2 * 2};
inline constexpr FrameKind kMono32k{{0xFF, 0xFB, 0x98, 0xC0}, 576, 1, 32000, 1152 * 1 * 2};

using Bytes = std::vector<uint8_t>;

inline Bytes Frames(const FrameKind& kind, size_t count) {
  Bytes out;
  for (size_t i = 0; i < count; ++i) {
    out.insert(out.end(), kind.header, kind.header + 4);
    out.resize(out.size() + kind.frameBytes - 4, 0);
  }
  return out;
}

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// An ID3 v2 tag of `major` version with `body` as its content (extended
// header and padding included). With the footer flag (0x10) a footer follows.
inline Bytes Id3v2Tag(uint8_t major, const Bytes& body, uint8_t flags = 0) {
  const size_t n = body.size();
  const Bytes size{static_cast<uint8_t>((n >> 21) & 0x7F), static_cast<uint8_t>((n >> 14) & 0x7F),
                   static_cast<uint8_t>((n >> 7) & 0x7F), static_cast<uint8_t>(n & 0x7F)};
  const Bytes rest = Bytes{major, 0, flags} + size;
  Bytes tag = Text("ID3") + rest + body;
  if ((flags & 0x10) != 0) tag = tag + Text("3DI") + rest;
  return tag;
}

// An ID3 v1 tag: "TAG" and 125 bytes.
inline Bytes Id3v1Tag() {
  Bytes tag = Text("TAG");
  tag.resize(128, ' ');
  return tag;
}

// Bytes that hold no frame sync at all, and a few near misses (0xFF followed
// by a byte without the sync bits).
inline Bytes Garbage(size_t n) {
  Bytes out(n);
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<uint8_t>((i * 37 + 11) % 251);
  for (size_t i = 0; i + 1 < n; i += 97) {
    out[i] = 0xFF;
    out[i + 1] = 0x12;
  }
  return out;
}

// A folder of its own for one test, removed afterwards.
class TempFolder {
 public:
  TempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("lizhi_music_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Write(const std::string& name, const Bytes& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
  }
  std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Names packed as the player takes them: each zero-terminated, then one more zero.
inline std::string PackNames(const std::vector<std::string>& names) {
  std::string packed;
  for (const std::string& n : names) {
    packed += n;
    packed.push_back('\0');
  }
  packed.push_back('\0');
  return packed;
}

}  // namespace lizhi::music::test
