// The IMDCT with SSE2: the transforms of layer3_imdct_parts.h on __m128, and
// the subbands moved into and out of the lanes by 4 x 4 transposes. On 32-bit
// x86 only the code below is compiled for SSE2; it runs only where
// CpuHasSse2().
#include <emmintrin.h>
#include <xmmintrin.h>

#include <array>

#include "runtime/music/mpeg/constexpr_math.h"
#include "runtime/music/mpeg/layer3_imdct.h"
#include "runtime/music/mpeg/simd.h"

// Everything from here to the pop is internal to this file and compiled for
// SSE2; the function called from outside stays outside, with the baseline's
// code, and only calls in.
#if defined(__i386__) && !defined(__SSE2__)
#pragma GCC push_options
#pragma GCC target("sse2")
#endif

// After the target switch, so that its transforms are compiled for SSE2 here.
#include "runtime/music/mpeg/layer3_imdct_parts.h"

namespace lizhi::mpeg {
namespace {

LIZHI_SSE2_ENTRY void InverseMdctSse2Body(const float xr[576], const GranuleChannelInfo& g, int subbands,
                                          ImdctOverlap& overlap, float (*out)[kMaxSlots], int firstSlot) {
  alignas(16) static constexpr float kZeros[20] = {};
  const __m128 invert = _mm_setr_ps(1.0f, -1.0f, 1.0f, -1.0f);
  for (int group = 0; group < 8; ++group) {
    const int sb0 = 4 * group;
    __m128 y[36];
    if (sb0 < subbands) {
      const float* rows[4];
      for (int lane = 0; lane < 4; ++lane) rows[lane] = sb0 + lane < subbands ? xr + 18 * (sb0 + lane) : kZeros;
      __m128 x[18];
      for (int k = 0; k < 16; k += 4) {
        __m128 a = _mm_loadu_ps(rows[0] + k);
        __m128 b = _mm_loadu_ps(rows[1] + k);
        __m128 c = _mm_loadu_ps(rows[2] + k);
        __m128 d = _mm_loadu_ps(rows[3] + k);
        _MM_TRANSPOSE4_PS(a, b, c, d);
        x[k] = a;
        x[k + 1] = b;
        x[k + 2] = c;
        x[k + 3] = d;
      }
      for (int k = 16; k < 18; ++k) x[k] = _mm_setr_ps(rows[0][k], rows[1][k], rows[2][k], rows[3][k]);
      ImdctGroup(x, g.windowSwitching, g.mixedBlock, g.blockType, sb0, y);
    } else {
      for (__m128& v : y) v = _mm_setzero_ps();
    }
    __m128 v[18];
    for (int t = 0; t < 18; ++t) {
      v[t] = _mm_add_ps(y[t], _mm_loadu_ps(overlap[group][t]));
      if (t & 1) v[t] = _mm_mul_ps(v[t], invert);
      _mm_storeu_ps(overlap[group][t], y[t + 18]);
    }
    for (int t = 0; t < 16; t += 4) {
      __m128 a = v[t];
      __m128 b = v[t + 1];
      __m128 c = v[t + 2];
      __m128 d = v[t + 3];
      _MM_TRANSPOSE4_PS(a, b, c, d);
      _mm_storeu_ps(out[sb0] + firstSlot + t, a);
      _mm_storeu_ps(out[sb0 + 1] + firstSlot + t, b);
      _mm_storeu_ps(out[sb0 + 2] + firstSlot + t, c);
      _mm_storeu_ps(out[sb0 + 3] + firstSlot + t, d);
    }
    for (int t = 16; t < 18; ++t) {
      alignas(16) float lanes[4];
      _mm_store_ps(lanes, v[t]);
      for (int lane = 0; lane < 4; ++lane) out[sb0 + lane][firstSlot + t] = lanes[lane];
    }
  }
}

}  // namespace
}  // namespace lizhi::mpeg

#if defined(__i386__) && !defined(__SSE2__)
#pragma GCC pop_options
#endif

namespace lizhi::mpeg {

void InverseMdctSse2(const float xr[576], const GranuleChannelInfo& g, int subbands, ImdctOverlap& overlap,
                     float (*out)[kMaxSlots], int firstSlot) {
  InverseMdctSse2Body(xr, g, subbands, overlap, out, firstSlot);
}

}  // namespace lizhi::mpeg
