// Shared helpers of the MPEG audio decoder tests: files, PCM comparison and
// decoding through the mp3dec path.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "runtime/music/mpeg/buffer_decoder.h"
#include "runtime/music/mpeg/decoder.h"
#include "support/files.h"
#include "support/paths.h"

namespace lizhi::mpeg::testing {

inline std::string VectorsDir() { return lizhi::test::MpegDataDir(); }

using lizhi::test::ReadBytes;

inline std::vector<std::string> FilesIn(const std::string& dir, const std::vector<std::string>& extensions) {
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    const std::string ext = entry.path().extension().string();
    for (const auto& e : extensions) {
      if (ext == e) files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

inline std::vector<int16_t> ToSamples(const std::vector<uint8_t>& bytes) {
  std::vector<int16_t> samples(bytes.size() / 2);
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
  }
  return samples;
}

struct Comparison {
  size_t commonSamples = 0;
  int maxDifference = 0;
  double psnr = 0;  // dB; 99 when identical
};

inline Comparison Compare(const std::vector<int16_t>& a, const std::vector<int16_t>& b) {
  Comparison c;
  c.commonSamples = std::min(a.size(), b.size());
  double squares = 0;
  for (size_t i = 0; i < c.commonSamples; ++i) {
    const int d = std::abs(static_cast<int>(a[i]) - static_cast<int>(b[i]));
    c.maxDifference = std::max(c.maxDifference, d);
    squares += static_cast<double>(d) * d;
  }
  const double mse = c.commonSamples ? squares / static_cast<double>(c.commonSamples) : 0;
  c.psnr = mse == 0 ? 99.0 : 10.0 * std::log10(32767.0 * 32767.0 / mse);
  return c;
}

struct Decoded {
  BufferDecodeResult result;
  std::vector<uint8_t> pcm;
  bool sse2 = false;  // the decoder ran its SSE2 code
};

inline void AppendPcm(void* context, const uint8_t* pcm, size_t bytes) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  out->insert(out->end(), pcm, pcm + bytes);
}

// The path of mp3dec: DecodeBuffer over the whole file (forceScalar: as
// mp3dec --scalar).
inline Decoded DecodeWhole(const std::vector<uint8_t>& file, bool followFrameChannels, bool forceScalar = false) {
  Decoded d;
  auto decoder = std::make_unique<Decoder>();
  decoder->SetForceScalar(forceScalar);
  d.sse2 = decoder->usesSse2();
  std::vector<uint8_t> scratch(Decoder::kMaxPcmBytesPerFrame);
  BufferDecodeOptions options;
  options.followFrameChannels = followFrameChannels;
  d.result = DecodeBuffer(file.data(), file.size(), *decoder, scratch.data(), AppendPcm, &d.pcm, options);
  return d;
}

}  // namespace lizhi::mpeg::testing
