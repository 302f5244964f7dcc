// What the scalar and the SSE2 polyphase synthesis share: the 32-point DCT
// (B. G. Lee's split, on any type with float arithmetic, such as four time
// slots in one vector) and the window. Internal to each file that includes it,
// so that each compiles it for its own instruction set.
#pragma once
#include <array>
#include <cstdint>

#include "runtime/music/mpeg/constexpr_math.h"
#include "runtime/music/mpeg/synthesis_window.h"

namespace lizhi::mpeg {
namespace {

// 1 / (2 cos(pi (2k + 1) / (2N))) for Lee's split of an N-point DCT-II.
template <int N>
constexpr std::array<float, N / 2> MakeLeeScale() {
  std::array<float, N / 2> t{};
  for (int k = 0; k < N / 2; ++k) t[k] = static_cast<float>(0.5 / cmath::Cos(cmath::kPi * (2 * k + 1) / (2.0 * N)));
  return t;
}

template <int N>
inline constexpr auto kLeeScale = MakeLeeScale<N>();

// out[i] = sum_k in[k] cos(pi (2k + 1) i / (2N)) by B. G. Lee's recursive split.
template <int N, typename T>
inline void Dct2(const T* in, T* out) {
  if constexpr (N == 1) {
    out[0] = in[0];
  } else {
    constexpr int H = N / 2;
    T sum[H];
    T diff[H];
    for (int k = 0; k < H; ++k) {
      sum[k] = in[k] + in[N - 1 - k];
      diff[k] = (in[k] - in[N - 1 - k]) * kLeeScale<N>[k];
    }
    T even[H];
    T odd[H];
    Dct2<H>(sum, even);
    Dct2<H>(diff, odd);
    for (int m = 0; m < H - 1; ++m) {
      out[2 * m] = even[m];
      out[2 * m + 1] = odd[m] + odd[m + 1];
    }
    out[N - 2] = even[H - 1];
    out[N - 1] = odd[H - 1];
  }
}

// The window arranged for the windowing loops, in PCM units: D / 65536 * 32768.
// kWindow[i][j] = D[64 i + j], with D[n] = h[n] (-1)^floor(n / 64) from the
// symmetric prototype h of synthesis_window.h.
constexpr std::array<std::array<float, 64>, 8> MakeWindow() {
  std::array<std::array<float, 64>, 8> w{};
  for (int n = 0; n < 512; ++n) {
    const int32_t h = kSynthesisPrototype65536[n <= 256 ? n : 512 - n];
    const int32_t d = (n / 64) % 2 == 0 ? h : -h;
    w[n / 64][n % 64] = static_cast<float>(d) * 0.5f;
  }
  return w;
}

alignas(16) constexpr auto kWindow = MakeWindow();

}  // namespace
}  // namespace lizhi::mpeg
