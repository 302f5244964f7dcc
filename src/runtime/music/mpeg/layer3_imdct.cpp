#include "runtime/music/mpeg/layer3_imdct.h"

#include <array>

#include "runtime/music/mpeg/constexpr_math.h"
#include "runtime/music/mpeg/float4.h"

namespace lizhi::mpeg {
namespace {

// The 2N-point IMDCT of N coefficients is a DCT-IV of size N, unfolded:
// y[i] = z[i + N/2] (i < N/2), -z[3N/2 - 1 - i] (i < 3N/2), -z[i - 3N/2].
// kDct4_18[k][n] = cos(pi (2n + 1)(2k + 1) / 72), kDct4_6 likewise for N = 6.
template <int N, int Padded>
constexpr std::array<std::array<float, Padded>, N> MakeDct4() {
  std::array<std::array<float, Padded>, N> t{};
  for (int k = 0; k < N; ++k) {
    for (int n = 0; n < N; ++n) {
      t[k][n] = static_cast<float>(cmath::Cos(cmath::kPi * (2 * n + 1) * (2 * k + 1) / (4.0 * N)));
    }
  }
  return t;
}

// Windows by block type (11172-3 2.4.3.4.10.2); type 2 holds the 12-point window.
constexpr std::array<std::array<float, 36>, 4> MakeWindows() {
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

// Rows padded to whole vectors of four so that the loops below vectorise.
alignas(16) constexpr auto kDct4_18 = MakeDct4<18, 20>();
constexpr auto kDct4_6 = MakeDct4<6, 8>();
constexpr auto kWindows = MakeWindows();

// Five accumulators of four lanes, kept in registers across the rows.
void Dct4_18(const float* x, float* z) {
  Float4 acc[5] = {};
  for (int k = 0; k < 18; ++k) {
    const Float4 v = {x[k], x[k], x[k], x[k]};
    const float* row = kDct4_18[k].data();
    for (int q = 0; q < 5; ++q) {
      Float4 r;
      LoadFloat4(r, row + 4 * q);
      acc[q] += v * r;
    }
  }
  float all[20];
  for (int q = 0; q < 5; ++q) StoreFloat4(all + 4 * q, acc[q]);
  for (int n = 0; n < 18; ++n) z[n] = all[n];
}

void Dct4_6(const float* x, float* z) {
  float acc[8] = {};
  for (int k = 0; k < 6; ++k) {
    const float v = x[k];
    const float* row = kDct4_6[k].data();
    for (int n = 0; n < 8; ++n) acc[n] += v * row[n];
  }
  for (int n = 0; n < 6; ++n) z[n] = acc[n];
}

// 36 windowed output samples of a long block.
void LongBlock(const float* x, int blockType, float* y) {
  float z[18];
  Dct4_18(x, z);
  const float* w = kWindows[blockType].data();
  for (int i = 0; i < 9; ++i) y[i] = z[i + 9] * w[i];
  for (int i = 9; i < 27; ++i) y[i] = -z[26 - i] * w[i];
  for (int i = 27; i < 36; ++i) y[i] = -z[i - 27] * w[i];
}

// Three 12-point IMDCTs placed at 6, 12 and 18 of the 36 samples.
void ShortBlock(const float* x, float* y) {
  for (int i = 0; i < 36; ++i) y[i] = 0.0f;
  const float* w = kWindows[2].data();
  for (int win = 0; win < 3; ++win) {
    float z[6];
    Dct4_6(x + 6 * win, z);
    float* out = y + 6 + 6 * win;
    for (int i = 0; i < 3; ++i) out[i] += z[i + 3] * w[i];
    for (int i = 3; i < 9; ++i) out[i] += -z[8 - i] * w[i];
    for (int i = 9; i < 12; ++i) out[i] += -z[i - 9] * w[i];
  }
}

}  // namespace

void InverseMdct(const float xr[576], const GranuleChannelInfo& g, int subbands, float overlap[32][18],
                 float (*out)[kMaxSlots], int firstSlot) {
  const bool shortBlocks = g.windowSwitching && g.blockType == 2;
  const int blockType = g.windowSwitching ? g.blockType : 0;
  for (int sb = 0; sb < 32; ++sb) {
    float* keep = overlap[sb];
    float* slots = out[sb] + firstSlot;
    const bool invert = (sb & 1) != 0;
    if (sb >= subbands) {
      for (int t = 0; t < 18; ++t) {
        const float v = keep[t];
        slots[t] = (invert && (t & 1)) ? -v : v;
        keep[t] = 0.0f;
      }
      continue;
    }
    float y[36];
    // The two lowest subbands of a granule with mixed_block_flag use the
    // normal window, whatever the block type (start and stop blocks too, as
    // the reference decoder does and the compliance stream l3-si_block tests).
    const bool lowMixed = g.windowSwitching && g.mixedBlock && sb < 2;
    if (shortBlocks && !lowMixed) {
      ShortBlock(xr + 18 * sb, y);
    } else {
      LongBlock(xr + 18 * sb, lowMixed ? 0 : blockType, y);
    }
    for (int t = 0; t < 18; ++t) {
      const float v = y[t] + keep[t];
      slots[t] = (invert && (t & 1)) ? -v : v;
      keep[t] = y[t + 18];
    }
  }
}

}  // namespace lizhi::mpeg
