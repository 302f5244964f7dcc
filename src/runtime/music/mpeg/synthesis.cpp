#include "runtime/music/mpeg/synthesis.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "runtime/music/mpeg/float4.h"
#include "runtime/music/mpeg/synthesis_parts.h"

namespace lizhi::mpeg {
namespace {

// Rounds x (within the 16-bit range) to the nearest integer, ties to even:
// the magic number 1.5 * 2^23 puts the rounded value in the low mantissa
// bits. Plain code that the compiler vectorises, unlike calls to lrintf.
inline int16_t RoundToInt16(float x) {
  return static_cast<int16_t>(std::bit_cast<int32_t>(x + 12582912.0f) - 0x4B400000);
}

// PCM is little-endian, as the hosts (x86) are.
static_assert(std::endian::native == std::endian::little);

}  // namespace

void Synthesize(SynthesisChannel& state, const float (*subbands)[kMaxSlots], int slots, int16_t* pcm, int stride) {
  for (int first = 0; first < slots; first += 4) {
    // The DCT of four time slots at once (Float4 lanes).
    Float4 in[32];
    for (int k = 0; k < 32; ++k) std::memcpy(&in[k], subbands[k] + first, sizeof(Float4));
    Float4 transformed[32];
    Dct2<32>(in, transformed);
    float x4[32][4];
    std::memcpy(x4, transformed, sizeof(x4));

    const int lanes = std::min(4, slots - first);
    for (int lane = 0; lane < lanes; ++lane) {
      state.newest = (state.newest + 15) & 15;
      float* v = state.v[state.newest];
      // V[i] = sum_k cos((16 + i)(2k + 1) pi / 64) S[k], from the DCT-II X:
      // V[0..15] = X[16..31], V[16] = 0, V[17..48] = -X[31..0], V[49..63] = -X[1..15].
      for (int i = 0; i < 16; ++i) v[i] = x4[16 + i][lane];
      v[16] = 0.0f;
      for (int i = 17; i <= 48; ++i) v[i] = -x4[48 - i][lane];
      for (int i = 49; i < 64; ++i) v[i] = -x4[i - 48][lane];

      // out[j] = sum_{i<8} V(2i)[j] D[64i + j] + V(2i+1)[32 + j] D[64i + 32 + j],
      // V(n) being the vector of n slots ago.
      float acc[32] = {};
      for (int i = 0; i < 8; ++i) {
        const float* even = state.v[(state.newest + 2 * i) & 15];
        const float* odd = state.v[(state.newest + 2 * i + 1) & 15] + 32;
        const float* w = kWindow[i].data();
        for (int j = 0; j < 32; ++j) acc[j] += even[j] * w[j] + odd[j] * w[32 + j];
      }
      // Saturate, then round (kept as two loops so that both vectorise).
      for (int j = 0; j < 32; ++j) acc[j] = acc[j] < -32768.0f ? -32768.0f : acc[j];
      for (int j = 0; j < 32; ++j) acc[j] = acc[j] > 32767.0f ? 32767.0f : acc[j];
      int16_t samples[32];
      for (int j = 0; j < 32; ++j) samples[j] = RoundToInt16(acc[j]);
      int16_t* out = pcm + static_cast<ptrdiff_t>(32 * (first + lane)) * stride;
      if (stride == 1) {
        std::memcpy(out, samples, sizeof(samples));
      } else {
        for (int j = 0; j < 32; ++j) out[j * stride] = samples[j];
      }
    }
  }
}

}  // namespace lizhi::mpeg
