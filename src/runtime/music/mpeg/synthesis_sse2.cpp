// The polyphase synthesis with SSE2 intrinsics. On 32-bit x86 only the code
// below is compiled for SSE2 (the rest of the program keeps the i686
// baseline); it runs only where CpuHasSse2().
#include <emmintrin.h>
#include <xmmintrin.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "runtime/music/mpeg/constexpr_math.h"
#include "runtime/music/mpeg/simd.h"
#include "runtime/music/mpeg/synthesis.h"
#include "runtime/music/mpeg/synthesis_window.h"

// Everything from here to the pop is internal to this file and compiled for
// SSE2; the function called from outside stays outside, with the baseline's
// code, and only calls in.
#if defined(__i386__) && !defined(__SSE2__)
#pragma GCC push_options
#pragma GCC target("sse2")
#endif

// After the target switch, so that its DCT is compiled for SSE2 here.
#include "runtime/music/mpeg/synthesis_parts.h"

namespace lizhi::mpeg {
namespace {

inline __m128 Negate(__m128 x) { return _mm_sub_ps(_mm_setzero_ps(), x); }

// v[0..63] of one slot from its DCT output X[0..31] (x[32] must be 0):
// V[0..15] = X[16..31], V[16..47] = -X[32..1], V[48..63] = -X[0..15].
inline void MakeV(const float* x, float* v) {
  for (int q = 0; q < 4; ++q) _mm_storeu_ps(v + 4 * q, _mm_loadu_ps(x + 16 + 4 * q));
  for (int q = 0; q < 8; ++q) {
    const __m128 upward = _mm_loadu_ps(x + 29 - 4 * q);
    _mm_storeu_ps(v + 16 + 4 * q, Negate(_mm_shuffle_ps(upward, upward, _MM_SHUFFLE(0, 1, 2, 3))));
  }
  for (int q = 0; q < 4; ++q) _mm_storeu_ps(v + 48 + 4 * q, Negate(_mm_loadu_ps(x + 4 * q)));
}

// 32 PCM samples of the slot whose V vector is state.v[state.newest].
inline void Window(const SynthesisChannel& state, int16_t* samples) {
  __m128 acc[8];
  for (int q = 0; q < 8; ++q) acc[q] = _mm_setzero_ps();
  for (int i = 0; i < 8; ++i) {
    const float* even = state.v[(state.newest + 2 * i) & 15];
    const float* odd = state.v[(state.newest + 2 * i + 1) & 15] + 32;
    const float* w = kWindow[i].data();
    for (int q = 0; q < 8; ++q) {
      const __m128 e = _mm_mul_ps(_mm_loadu_ps(even + 4 * q), _mm_load_ps(w + 4 * q));
      const __m128 o = _mm_mul_ps(_mm_loadu_ps(odd + 4 * q), _mm_load_ps(w + 32 + 4 * q));
      acc[q] = _mm_add_ps(acc[q], _mm_add_ps(e, o));
    }
  }
  // Round to nearest (the default rounding mode), then saturate to 16 bits.
  for (int q = 0; q < 4; ++q) {
    const __m128i packed = _mm_packs_epi32(_mm_cvtps_epi32(acc[2 * q]), _mm_cvtps_epi32(acc[2 * q + 1]));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(samples + 8 * q), packed);
  }
}

LIZHI_SSE2_ENTRY void SynthesizeSse2Body(SynthesisChannel& state, const float (*subbands)[kMaxSlots], int slots,
                                         int16_t* pcm, int stride) {
  for (int first = 0; first < slots; first += 4) {
    // The DCT of four time slots at once, one per lane.
    __m128 in[32];
    for (int k = 0; k < 32; ++k) in[k] = _mm_loadu_ps(subbands[k] + first);
    __m128 transformed[32];
    Dct2<32>(in, transformed);
    // Each slot's 32 outputs in a row of its own, followed by a zero.
    alignas(16) float x[4][36];
    for (int q = 0; q < 8; ++q) {
      __m128 a = transformed[4 * q];
      __m128 b = transformed[4 * q + 1];
      __m128 c = transformed[4 * q + 2];
      __m128 d = transformed[4 * q + 3];
      _MM_TRANSPOSE4_PS(a, b, c, d);
      _mm_store_ps(x[0] + 4 * q, a);
      _mm_store_ps(x[1] + 4 * q, b);
      _mm_store_ps(x[2] + 4 * q, c);
      _mm_store_ps(x[3] + 4 * q, d);
    }
    const int lanes = slots - first < 4 ? slots - first : 4;
    for (int lane = 0; lane < lanes; ++lane) {
      x[lane][32] = 0.0f;
      state.newest = (state.newest + 15) & 15;
      MakeV(x[lane], state.v[state.newest]);
      int16_t* out = pcm + static_cast<ptrdiff_t>(32 * (first + lane)) * stride;
      if (stride == 1) {
        Window(state, out);
      } else {
        alignas(16) int16_t samples[32];
        Window(state, samples);
        for (int j = 0; j < 32; ++j) out[j * stride] = samples[j];
      }
    }
  }
}

}  // namespace
}  // namespace lizhi::mpeg

#if defined(__i386__) && !defined(__SSE2__)
#pragma GCC pop_options
#endif

namespace lizhi::mpeg {

void SynthesizeSse2(SynthesisChannel& state, const float (*subbands)[kMaxSlots], int slots, int16_t* pcm, int stride) {
  SynthesizeSse2Body(state, subbands, slots, pcm, stride);
}

}  // namespace lizhi::mpeg
