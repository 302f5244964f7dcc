// Constant tables of layer III decoding (ISO/IEC 11172-3 Annex B, 13818-3
// Annex B) that are not Huffman codes.
#pragma once
#include <array>
#include <cstdint>

#include "runtime/music/mpeg/frame_header.h"

namespace lizhi::mpeg {

// Sample-rate index over all versions: 0-2 MPEG-1 (44.1, 48, 32 kHz),
// 3-5 MPEG-2 (22.05, 24, 16 kHz), 6-8 MPEG-2.5 (11.025, 12, 8 kHz).
int Layer3RateIndex(const FrameHeader& h);

// Scale-factor band boundaries in frequency lines: long blocks (22 bands) and
// short blocks (13 bands, lines per window).
extern const int16_t kLongBandStart[9][23];
extern const int16_t kShortBandStart[9][14];

// Table B.6: pre-emphasis added to long-block scale factors when preflag is set.
extern const uint8_t kPretab[22];

// MPEG-1 scalefac_compress -> (slen1, slen2).
extern const uint8_t kSlen[2][16];

// MPEG-2 (13818-3 2.4.3.2) nr_of_sfb: [slen table row][block kind: long,
// short, mixed][partition].
extern const uint8_t kLsfPartitions[6][3][4];

// |q|^(4/3) for the quantised values 0..8206 (15 + 2^13 - 1).
inline constexpr int kPow43Size = 8207;
extern const std::array<float, kPow43Size> kPow43;

// Alias-reduction butterflies (Table B.9): cs and ca for the eight pairs.
extern const std::array<float, 8> kAliasCs;
extern const std::array<float, 8> kAliasCa;

// MPEG-1 intensity stereo: share of the left and right channel for is_pos 0-6.
extern const std::array<float, 7> kIntensityLeft;
extern const std::array<float, 7> kIntensityRight;
// MPEG-2 intensity stereo: io^n for intensity_scale 0 (io = 2^-1/4) and 1
// (io = 2^-1/2), n = 0..31.
extern const std::array<std::array<float, 32>, 2> kIntensityLsf;

}  // namespace lizhi::mpeg
