// What the scalar and the SSE2 IMDCT share: the transforms and windows of one
// block, computed for four subbands at once (one per lane of V, a type of four
// floats such as Float4 or __m128). Internal to each file that includes it,
// so that each compiles it for its own instruction set.
#pragma once
#include <array>

#include "runtime/music/mpeg/constexpr_math.h"

namespace lizhi::mpeg {
namespace {

// Windows by block type (11172-3 2.4.3.4.10.2); type 2 holds the 12-point window.
constexpr std::array<std::array<float, 36>, 4> MakeImdctWindows() {
  std::array<std::array<float, 36>, 4> w{};
  for (int i = 0; i < 36; ++i) {
    const double longWindow = cmath::Sin(cmath::kPi / 36 * (i + 0.5));
    w[0][i] = static_cast<float>(longWindow);
    // Start block: long rise, flat, short fall, zero.
    if (i < 18) {
      w[1][i] = static_cast<float>(longWindow);
    } else if (i < 24) {
      w[1][i] = 1.0f;
    } else if (i < 30) {
      w[1][i] = static_cast<float>(cmath::Sin(cmath::kPi / 12 * (i - 18 + 0.5)));
    } else {
      w[1][i] = 0.0f;
    }
    // Stop block: the mirror image.
    if (i < 6) {
      w[3][i] = 0.0f;
    } else if (i < 12) {
      w[3][i] = static_cast<float>(cmath::Sin(cmath::kPi / 12 * (i - 6 + 0.5)));
    } else if (i < 18) {
      w[3][i] = 1.0f;
    } else {
      w[3][i] = static_cast<float>(longWindow);
    }
    w[2][i] = i < 12 ? static_cast<float>(cmath::Sin(cmath::kPi / 12 * (i + 0.5))) : 0.0f;
  }
  return w;
}

// table[k][n] = cos(pi (2n + 1) k / 18): the 9-point DCT-II, folded (n < 4).
constexpr std::array<std::array<float, 4>, 9> MakeDct2_9() {
  std::array<std::array<float, 4>, 9> t{};
  for (int k = 0; k < 9; ++k) {
    for (int n = 0; n < 4; ++n) t[k][n] = static_cast<float>(cmath::Cos(cmath::kPi * (2 * n + 1) * k / 18.0));
  }
  return t;
}

// 2 cos(pi (2n + 1) / 72) and 1 / (2 cos(pi (2k + 1) / 36)): see Dct4_18.
constexpr std::array<float, 18> MakeDct4Twiddles() {
  std::array<float, 18> t{};
  for (int n = 0; n < 18; ++n) t[n] = static_cast<float>(2.0 * cmath::Cos(cmath::kPi * (2 * n + 1) / 72.0));
  return t;
}
constexpr std::array<float, 9> MakeLeeScale18() {
  std::array<float, 9> t{};
  for (int k = 0; k < 9; ++k) t[k] = static_cast<float>(0.5 / cmath::Cos(cmath::kPi * (2 * k + 1) / 36.0));
  return t;
}

// kDct4_6[k][n] = cos(pi (2n + 1)(2k + 1) / 24).
constexpr std::array<std::array<float, 6>, 6> MakeDct4_6() {
  std::array<std::array<float, 6>, 6> t{};
  for (int k = 0; k < 6; ++k) {
    for (int n = 0; n < 6; ++n) t[k][n] = static_cast<float>(cmath::Cos(cmath::kPi * (2 * n + 1) * (2 * k + 1) / 24.0));
  }
  return t;
}

constexpr auto kImdctWindows = MakeImdctWindows();
constexpr auto kDct2_9 = MakeDct2_9();
constexpr auto kDct4Twiddles = MakeDct4Twiddles();
constexpr auto kLeeScale18 = MakeLeeScale18();
constexpr auto kDct4_6 = MakeDct4_6();

// X[k] = sum_{n<9} s[n] cos(pi (2n + 1) k / 18). The cosines of n and 8 - n
// are equal for even k and opposite for odd k (the middle one is 0 or +-1).
template <typename V>
inline void Dct2_9(const V* s, V* out) {
  V sum[4];
  V diff[4];
  for (int n = 0; n < 4; ++n) {
    sum[n] = s[n] + s[8 - n];
    diff[n] = s[n] - s[8 - n];
  }
  for (int k = 0; k < 9; k += 2) {
    const float* c = kDct2_9[k].data();
    const V folded = sum[0] * c[0] + sum[1] * c[1] + sum[2] * c[2] + sum[3] * c[3];
    out[k] = k % 4 == 0 ? folded + s[4] : folded - s[4];
  }
  for (int k = 1; k < 9; k += 2) {
    const float* c = kDct2_9[k].data();
    out[k] = diff[0] * c[0] + diff[1] * c[1] + diff[2] * c[2] + diff[3] * c[3];
  }
}

// z[k] = sum_{n<18} x[n] cos(pi (2n + 1)(2k + 1) / 72), the DCT-IV of the
// 36-point IMDCT. With y[n] = 2 cos(pi (2n + 1) / 72) x[n], the DCT-II of y is
// w[k] = z[k] + z[k - 1] (z[-1] = z[0]); that DCT-II is split by B. G. Lee's
// method into two 9-point ones.
template <typename V>
inline void Dct4_18(const V* x, V* z) {
  V sum[9];
  V diff[9];
  for (int k = 0; k < 9; ++k) {
    const V a = x[k] * kDct4Twiddles[k];
    const V b = x[17 - k] * kDct4Twiddles[17 - k];
    sum[k] = a + b;
    diff[k] = (a - b) * kLeeScale18[k];
  }
  V even[9];
  V odd[9];
  Dct2_9(sum, even);
  Dct2_9(diff, odd);
  V previous = even[0] * 0.5f;
  z[0] = previous;
  for (int k = 1; k < 18; ++k) {
    const V w = (k & 1) == 0 ? even[k / 2] : (k == 17 ? odd[8] : odd[k / 2] + odd[k / 2 + 1]);
    previous = w - previous;
    z[k] = previous;
  }
}

// 36 windowed output samples of a long block (window: kImdctWindows[type]).
template <typename V>
inline void LongBlock(const V* x, const float* w, V* y) {
  V z[18];
  Dct4_18(x, z);
  for (int i = 0; i < 9; ++i) y[i] = z[i + 9] * w[i];
  for (int i = 9; i < 27; ++i) y[i] = -z[26 - i] * w[i];
  for (int i = 27; i < 36; ++i) y[i] = -z[i - 27] * w[i];
}

// Three 12-point IMDCTs placed at 6, 12 and 18 of the 36 samples.
template <typename V>
inline void ShortBlock(const V* x, V* y) {
  for (int i = 0; i < 36; ++i) y[i] = V{};
  const float* w = kImdctWindows[2].data();
  for (int win = 0; win < 3; ++win) {
    V z[6];
    for (int n = 0; n < 6; ++n) {
      V acc = x[6 * win] * kDct4_6[0][n];
      for (int k = 1; k < 6; ++k) acc += x[6 * win + k] * kDct4_6[k][n];
      z[n] = acc;
    }
    V* out = y + 6 + 6 * win;
    for (int i = 0; i < 3; ++i) out[i] += z[i + 3] * w[i];
    for (int i = 3; i < 9; ++i) out[i] += -z[8 - i] * w[i];
    for (int i = 9; i < 12; ++i) out[i] += -z[i - 9] * w[i];
  }
}

// The block of subband sb: short (true) or long with `window`. The two lowest
// subbands of a granule with mixed_block_flag use the normal window, whatever
// the block type (start and stop blocks too, as the reference decoder does and
// the compliance stream l3-si_block tests).
struct BlockKind {
  bool shortBlock;
  int window;
  bool operator==(const BlockKind&) const = default;
};

inline BlockKind KindOf(bool windowSwitching, bool mixedBlock, int blockType, int sb) {
  const bool lowMixed = windowSwitching && mixedBlock && sb < 2;
  if (lowMixed) return {false, 0};
  if (windowSwitching && blockType == 2) return {true, 2};
  return {false, windowSwitching ? blockType : 0};
}

// The 36 samples of four subbands sb0..sb0 + 3 from x[18] (lanes = subbands).
template <typename V>
inline void ImdctGroup(const V* x, bool windowSwitching, bool mixedBlock, int blockType, int sb0, V* y) {
  const BlockKind first = KindOf(windowSwitching, mixedBlock, blockType, sb0);
  const BlockKind last = KindOf(windowSwitching, mixedBlock, blockType, sb0 + 3);
  const auto run = [x](const BlockKind& kind, V* into) {
    if (kind.shortBlock) {
      ShortBlock(x, into);
    } else {
      LongBlock(x, kImdctWindows[kind.window].data(), into);
    }
  };
  run(last, y);
  if (first == last) return;
  // Only the first group of a mixed granule: lanes 0 and 1 take the normal window.
  V low[36];
  run(first, low);
  for (int i = 0; i < 36; ++i) {
    y[i][0] = low[i][0];
    y[i][1] = low[i][1];
  }
}

}  // namespace
}  // namespace lizhi::mpeg
